// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The process-wide record of the game: the shuffled deck, the deck positions
// that divide it between the CPU and the player in each round, the round's
// totals, the round counter and the play mode. Every step of the game reads
// and writes it directly, one step at a time on the GUI thread.

inline constexpr int DECK_SIZE = 52;
inline constexpr int REVEAL_LOG_SIZE = 55;

extern int buf_card[DECK_SIZE];
extern int buf_last_card;
extern int buf_player_card;
extern int buf_last_card2;
extern int buf_player_card2;
extern int buf_last_card3;
extern int buf_player_card3;
extern int buf_last_card4;
extern int card[4];
extern int count;
extern int count_n;
extern int buf_score_count[REVEAL_LOG_SIZE];
extern int buf_score_index;
extern int Player_card;
extern int CPU_card;
extern int Round_count;
extern int Play_mode;
extern int get_card_button_count;

// Play_mode values.
inline constexpr int MODE_DEMO = 0;
inline constexpr int MODE_WATCHING = 1;
inline constexpr int MODE_FREE_PLAY = 2;

// The card code at a deck position; 0, which counts nothing, off the deck.
int deckCode(int position);
// What the `cards` cards from position `first` on add up to.
int deckTotal(int first, int cards);

// Where a round's cards lie: the CPU's from `start`, the player's first at
// `playerFirst` (set by the CPU's deal), the next round's from `nextStart`
// (set by the player's turn).
struct RoundLayout
{
    const int *start;
    int *playerFirst;
    int *nextStart;
};

// Round 1, 2 or 3; nullptr outside a round.
const RoundLayout *roundLayout(int round);

// The trace lines that name a round's positions, by the step that prints
// them; nullptr where the round prints none.
struct RoundLines
{
    const char *start;       // card_cpu()
    const char *firstCard;   // player_turn(), after round 1
    const char *playerFirst; // player_turn(), after round 1
    const char *draw;        // push_get_card_button()
    const char *kept;        // push_stop_card_button() without a draw, after round 1
    const char *dealt;       // closes cpu_close_card_cpu()'s deal of three after round 1;
                             // round 2's also closes a deal of one in rounds 2 and 3
};

// Round 1, 2 or 3; nullptr outside a round.
const RoundLines *roundLines(int round);

// The player's total, printed by every step that settles it.
inline constexpr char PLAYER_CARD_LINE[] = "Player_card=%d\n";
