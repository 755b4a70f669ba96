// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_rules.h"

#include <cstdio>
#include <numeric>
#include <utility>

int cardValue(int code)
{
    if (code < 1 || code > 52)
        return 0;
    const int rank = cardRank(code);
    return rank < 10 ? rank : 10;
}

Deck mixedDeck(const Deck &randomNumbers)
{
    Deck deck;
    std::iota(deck.begin(), deck.end(), 1);
    // j stops short of 0, 50 and 51; the loop counters only decide whether
    // to exchange, the random numbers say which positions.
    for (int i = 0; i < 52; ++i) {
        for (int j = 1; j < 50; ++j) {
            if (i != j)
                std::swap(deck[randomNumbers[i]], deck[randomNumbers[j]]);
        }
    }
    for (int i = 0; i < 51; ++i)
        std::swap(deck[i], deck[i + 1]);
    return deck;
}

std::string cardPictureFile(const SuitBlock &suit, int code, int set)
{
    if (set != PLAYER_PICTURES && set != CPU_PICTURES)
        return {};
    if (code == 0 && suit.knowsCardBack)
        return "gazo/UB0.png";
    if (code < suit.first || code > suit.last)
        return {};
    const int rank = code - suit.first + 1;
    // The ten of hearts has one picture for both sets.
    const bool cpuPicture = set == CPU_PICTURES && !(suit.letter == 'H' && rank == 10);
    char name[24];
    std::snprintf(name, sizeof name, "gazo/%c%02d%s.png", suit.letter, rank, cpuPicture ? "D" : "");
    return name;
}

const SuitBlock *suitRoutine(int code)
{
    for (const SuitBlock &suit : SUITS) {
        if ((code >= suit.first && code <= suit.last) || (code == 0 && suit.knowsCardBack))
            return &suit;
    }
    return nullptr;
}

std::string cardPictureFile(int code, int set)
{
    const SuitBlock *suit = suitRoutine(code);
    return suit ? cardPictureFile(*suit, code, set) : std::string();
}
