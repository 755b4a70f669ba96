#include "app/dorvek.h"
#include "app/trace.h"
#include "match/match_state.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Where the player's cards of a round begin, and where the next round will
// start once the player's last card is known.
struct PlayerPositions
{
    int *first;
    int *nextStart;
};

PlayerPositions positions_of_round(int round)
{
    switch (round) {
    case 1:
        return {&buf_player_card, &buf_last_card2};
    case 2:
        return {&buf_player_card2, &buf_last_card3};
    case 3:
        return {&buf_player_card3, &buf_last_card4};
    default:
        return {nullptr, nullptr};
    }
}

void trace_first_card_of_round_one(int n, int position, int code, int value)
{
    switch (n) {
    case 1:
        trace("=====player_turn()===== case1 card_cpu()=1\n");
        trace("buf_card[%d]=%d,buf_player_card=%d\n", position, code, position);
        trace("buf_player_card=%d,Player_card=%d\n", position, value);
        trace("return_card_cpu(buf_card[%d])=%d,buf_player_card=%d\n", position, value, position);
        break;
    case 2:
    case 3:
        trace(n == 2 ? "=====player_turn()===== case2 card_cpu()=2\n"
                     : "=====player_turn()===== case1 card_cpu()=3\n");
        trace("buf_card[%d]=%d,buf_player_card=%d\n", position, code, position);
        trace("Player_card=%d\n", value);
        trace("return_card_cpu(buf_card[%d])=%d,buf_player_card=%d\n", position, value, position);
        break;
    case 4:
        trace("=====player_turn()===== case1 card_cpu()=4\n");
        trace("buf_card[%d]=%d,buf_player_card=%d\n", position, code, position);
        trace("Player_card=%d\n", value);
        trace("return_card_cpu(buf_card[%d])=%d,count=%d\n", position, value, position);
        break;
    default:
        return;
    }
    trace("=====player_turn()=====\n");
}

}

void Dorvek::player_turn()
{
    play_sound("wave/array_sound.wav");
    const PlayerPositions positions = positions_of_round(Round_count);
    if (!positions.first)
        return;

    const int position = *positions.first;
    const int code = deck_code(position);
    int n = 0;
    if (Round_count == 1) {
        n = ask_count(&Dorvek::card_cpu, CountOrder::Upwards);
        if (n != 0)
            count = n;
    }
    card_show(code, 0, label_player_card1);
    Player_card = return_card_cpu(code);

    if (Round_count == 1) {
        trace_first_card_of_round_one(n, position, code, Player_card);
    } else {
        const int round = Round_count;
        trace("=====player_turn()=====\n");
        trace(round == 2 ? "buf_card[%d]=%d,buf_player_card2=%d\n" : "buf_card[%d]=%d,buf_player_card3=%d\n",
              position, code, position);
        trace("return_card_cpu(buf_card[%d])=%d\n", position, Player_card);
        trace(round == 2 ? "buf_player_card2=%d\n" : "buf_player_card3=%d\n", position);
        trace("=====player_turn()=====\n");
    }

    button_get_card->setEnabled(true);
    button_stop_card->setEnabled(true);
    // Keyboard play: Space draws at once, and "Stop card" is a Tab away.
    button_get_card->setFocus();
}

void Dorvek::push_get_card_button()
{
    trace("====push_get_card_button  796 start===\n");
    const int c = ++get_card_button_count;
    trace("get_card_button_count=%d   798 \n", c);
    play_sound("wave/open_card.wav");

    const PlayerPositions positions = positions_of_round(Round_count);
    if (!positions.first || c < 1 || c > 3) {
        trace("====push_get_card_button end===\n");
        return;
    }
    if (Round_count == 1 && c == 1) {
        trace("====push_get_card_button  805   No2========\n");
        if (card_cpu() == 4)
            trace("====push_get_card_button  810   No4-4========\n");
    }

    const int first = *positions.first;
    int total = 0;
    for (int k = 0; k <= c; ++k) {
        card_show(deck_code(first + k), 0, player_place(k + 1));
        total += deck_value(first + k);
    }
    Player_card = total;
    *positions.nextStart = first + c + 1;

    if (c == 3) {
        if (Round_count == 1 && card_cpu() == 2) {
            trace("get_card_button_count==3-2\n");
            trace("Player_card=%d,buf_last_card=%d\n", Player_card, buf_last_card);
        } else if (Round_count == 3) {
            if (card_cpu() == 4) {
                trace("get_card_button_count==3-4\n");
                trace("Player_card=%d,buf_last_card=%d,buf_player_card3=%d\n", Player_card, buf_last_card,
                      first);
            } else if (card_cpu() == 2) {
                trace("get_card_button_count==3-2\n");
                trace("Player_card=%d,buf_last_card2=%d\n", Player_card, buf_last_card2);
            }
        }
    }

    trace("get_card_button_count=%d,card_cpu()=%d\n", c, card_cpu());
    static const char *const positionLines[] = {
        "buf_player_card=%d,buf_last_card2=%d\n",
        "buf_player_card2=%d,buf_last_card3=%d\n",
        "buf_player_card3=%d,buf_last_card4=%d\n",
    };
    trace(positionLines[Round_count - 1], first, *positions.nextStart);
    trace("====push_get_card_button end===\n");
}

void Dorvek::push_stop_card_button()
{
    play_sound("wave/stop_card.wav");
    button_get_card->setEnabled(false);
    button_stop_card->setEnabled(false);
    card_draw_cpu();

    const int round = Round_count;
    const int n = ask_count(&Dorvek::card_cpu, CountOrder::Downwards);
    if (n != 0) {
        const int start = round_start();
        CPU_card = 0;
        for (int k = 0; k < n; ++k)
            CPU_card += deck_value(start + k);
    }
    if (round == 1) {
        trace("CPU:%d\n", CPU_card);
    } else if (round == 2) {
        trace("=========push_stop_card_button()===========\n");
        trace("card_cpu()=%d,buf_last_card2=%d\n", n, buf_last_card2);
        trace("CPU:%d\n", CPU_card);
        trace("=========push_stop_card_button()===========\n");
    } else if (round == 3) {
        static const char *const caseLines[] = {
            "=======case 3 card_cpu()=1=========\n",
            "=======case 3 card_cpu()=2=========\n",
            "=======case 3 card_cpu()=3=========\n",
            "=======case 3 card_cpu()=4=========\n",
        };
        if (n != 0)
            trace("%s", caseLines[n - 1]);
        trace("CPU:%d\n", CPU_card);
    }

    const PlayerPositions positions = positions_of_round(round);
    if (get_card_button_count == 0 && positions.first) {
        const int kept = ask_count(&Dorvek::card_cpu, CountOrder::Downwards);
        if (kept != 0) {
            const int first = *positions.first;
            Player_card = deck_value(first);
            *positions.nextStart = first + 1;
            if (round == 1)
                trace("get_card_button_count==%d:PLAYER=%d,buf_player_card=%d\n", 0, Player_card, first);
            else if (round == 2 || kept == 1)
                trace("buf_player_card2=%d,get_card_button_count==%d:PLAYER=%d\n", first, 0, Player_card);
            else
                trace("buf_player_card3=%d,get_card_button_count==%d:PLAYER=%d\n", first, 0, Player_card);
        }
    }

    trace("=====push_stop_card_button()========\n");
    trace("Player_card=%d\n", Player_card);
    trace("PLAYER=%d\n", Player_card);
    trace("=====push_stop_card_button()========\n");
    get_card_button_count = 0;
}
