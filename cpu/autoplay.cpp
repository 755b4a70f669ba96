// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "match/chain_delays.h"
#include "match/match_state.h"
#include "match/spoken.h"
#include "services/pictures.h"
#include "services/trace.h"

#include <QLabel>

void Dorvek::autoplay_close_drawcard_player()
{
    // The count is asked afresh before every card, as the trace shows.
    for (int i = 0;; ++i) {
        const int n = card_cpu();
        if (n < 1 || n > 4 || i == n)
            break;
        CPU_card += return_card_cpu(deck_code(i));
    }
    trace("=====autoplay_close_drawcard_player()\n");
    trace("-----card_cpu()=%d----\n", card_cpu());
    trace("CPU_card=%d\n", CPU_card);

    const int first = buf_player_card;
    const int k = ask_count(&Dorvek::card_player, CountOrder::Downwards);
    if (k != 0) {
        for (int place = 1; place <= k; ++place)
            card_show(deck_code(first + place - 1), 0, player_place(place));
        for (int place = 4; place > k; --place)
            pictures::clear(player_place(place));
        Player_card += deck_total(first, k);
        trace(PLAYER_CARD_LINE, Player_card);
        buf_player_card += k;
        spoken::say_hand(this, spoken::Hand::Player,
            {label_player_card1, label_player_card2, label_player_card3, label_player_card4}, Player_card);
    } else {
        trace_reigai();
    }
    after(delay::AFTER_AUTOPLAY, SLOT(cpu_open_card_show_screen()));
}
