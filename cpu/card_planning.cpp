#include "app/dorvek.h"
#include "app/trace.h"
#include "cpu/lookahead.h"
#include "match/match_state.h"

int Dorvek::card_cpu()
{
    trace("====card cpu start=====\n");
    int start = 0;
    switch (Round_count) {
    case 1:
        trace("======card_cpu() Round_count=%d======\n", 1);
        break;
    case 2:
        trace("======card_cpu() Round_count=%d======\n", 2);
        trace("buf_last_card2=%d\n", buf_last_card2);
        start = buf_last_card2;
        break;
    case 3:
        trace("======card_cpu() Round_count=%d======\n", 3);
        start = buf_last_card3;
        break;
    default:
        trace("====card cpu end=====\n");
        return -2;
    }
    return cpu_hold_count(deck_value(start), deck_value(start + 1), deck_value(start + 2),
                          deck_value(start + 3));
}

int Dorvek::card_player()
{
    const int n = card_cpu();
    if (Round_count != 1)
        return 0;
    trace("======card_cpu() Round_count=%d======\n", 1);
    trace("card_player=%d\n", n + 1);
    // The automatic player's own first card, at position n, is not looked at.
    return auto_player_take_count(deck_value(n + 1), deck_value(n + 2), deck_value(n + 3),
                                  deck_value(n + 4));
}

int Dorvek::ask_count(int (Dorvek::*question)(), CountOrder order)
{
    // Each comparison asks afresh, and each answer leaves its own trace block.
    for (int k = 0; k < 4; ++k) {
        const int candidate = order == CountOrder::Upwards ? k + 1 : 4 - k;
        if ((this->*question)() == candidate)
            return candidate;
    }
    return 0;
}

int Dorvek::round_start()
{
    switch (Round_count) {
    case 2:
        return buf_last_card2;
    case 3:
        return buf_last_card3;
    default:
        return 0;
    }
}
