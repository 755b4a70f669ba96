// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/match_state.h"

#include "cards/card_rules.h"

int buf_card[DECK_SIZE];
int buf_last_card;
int buf_player_card;
int buf_last_card2;
int buf_player_card2;
int buf_last_card3;
int buf_player_card3;
int buf_last_card4;
int card[4];
int count;
int count_n;
int buf_score_count[REVEAL_LOG_SIZE];
int buf_score_index;
int Player_card;
int CPU_card;
int Round_count;
int Play_mode;
int get_card_button_count;

int deckCode(int position)
{
    return position >= 0 && position < DECK_SIZE ? buf_card[position] : 0;
}

int deckTotal(int first, int cards)
{
    int total = 0;
    for (int position = first; position < first + cards; ++position)
        total += cardValue(deckCode(position));
    return total;
}

namespace {

// Round 1 always starts at the top of the deck.
constexpr int topOfDeck = 0;

const RoundLayout layouts[] = {
    {&topOfDeck, &buf_player_card, &buf_last_card2},
    {&buf_last_card2, &buf_player_card2, &buf_last_card3},
    {&buf_last_card3, &buf_player_card3, &buf_last_card4},
};

const RoundLines lines[] = {
    {nullptr, nullptr, nullptr, "buf_player_card=%d,buf_last_card2=%d\n", nullptr, nullptr},
    {"buf_last_card2=%d\n", "buf_card[%d]=%d,buf_player_card2=%d\n", "buf_player_card2=%d\n",
     "buf_player_card2=%d,buf_last_card3=%d\n",
     "buf_player_card2=%d,get_card_button_count==%d:PLAYER=%d\n",
     "======3-3-2:buf_player_card2=%d======\n"},
    {nullptr, "buf_card[%d]=%d,buf_player_card3=%d\n", "buf_player_card3=%d\n",
     "buf_player_card3=%d,buf_last_card4=%d\n",
     "buf_player_card3=%d,get_card_button_count==%d:PLAYER=%d\n",
     "======3-3-2:buf_player_card3=%d======\n"},
};

} // namespace

const RoundLayout *roundLayout(int round)
{
    return round >= 1 && round <= 3 ? &layouts[round - 1] : nullptr;
}

const RoundLines *roundLines(int round)
{
    return round >= 1 && round <= 3 ? &lines[round - 1] : nullptr;
}
