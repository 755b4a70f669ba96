// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

// Card codes: 1..13 spades, 14..26 clubs, 27..39 diamonds, 40..52 hearts;
// 0 stands for the card back on screen.

// A card code's rank, 1 (ace) to 13 (king), and its suit block, 0 (spades)
// to 3 (hearts); for codes 1 to 52 only.
inline int cardRank(int code)
{
    return (code - 1) % 13 + 1;
}
inline int cardSuit(int code)
{
    return (code - 1) / 13;
}

// Points a card code counts towards a hand: aces 1, two to nine their rank,
// tens and picture cards 10, anything that is not a card 0.
int cardValue(int code);

using Deck = std::array<int, 52>;

// The deck that the shuffle builds from 1, 2, ... 52 and the 52 random
// numbers r1..r52 (each 0..51): every pair of positions named by two of the
// numbers is exchanged, then the deck is rotated by one.
Deck mixedDeck(const Deck &randomNumbers);

struct SuitBlock
{
    int first;
    int last;
    char letter;
    bool knowsCardBack;
};

inline constexpr SuitBlock SPADES{1, 13, 'S', true};
inline constexpr SuitBlock CLUBS{14, 26, 'C', false};
inline constexpr SuitBlock DIAMONDS{27, 39, 'D', false};
inline constexpr SuitBlock HEARTS{40, 52, 'H', false};
inline constexpr SuitBlock SUITS[] = {SPADES, CLUBS, DIAMONDS, HEARTS};

// The suit whose routine shows `code`, spades for the card back; nullptr
// for anything else.
const SuitBlock *suitRoutine(int code);

// Picture sets: the player's pictures (also the card back) and the CPU's.
inline constexpr int PLAYER_PICTURES = 0;
inline constexpr int CPU_PICTURES = 1;

// The picture file that `suit`'s routine shows for a card code in a picture
// set, or an empty string when the routine does not take that code or set.
std::string cardPictureFile(const SuitBlock &suit, int code, int set);
// The same, from the suit routine that takes `code`.
std::string cardPictureFile(int code, int set);
