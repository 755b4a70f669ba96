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
int deck_code(int position);

// The card value at a deck position.
int deck_value(int position);
