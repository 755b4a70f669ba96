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

int deck_code(int position)
{
    return position >= 0 && position < DECK_SIZE ? buf_card[position] : 0;
}

int deck_value(int position)
{
    return card_value(deck_code(position));
}
