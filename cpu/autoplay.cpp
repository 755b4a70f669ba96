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
        CPU_card += return_card_cpu(deckCode(i));
    }
    trace("=====autoplay_close_drawcard_player()\n");
    trace("-----card_cpu()=%d----\n", card_cpu());
    trace("CPU_card=%d\n", CPU_card);

    const int first = buf_player_card;
    const int k = askCount(&Dorvek::card_player, CountOrder::Downwards);
    if (k != 0) {
        for (int place = 1; place <= k; ++place)
            card_show(deckCode(first + place - 1), 0, playerPlace(place));
        for (int place = 4; place > k; --place)
            Pictures::clear(playerPlace(place));
        Player_card += deckTotal(first, k);
        trace(PLAYER_CARD_LINE, Player_card);
        buf_player_card += k;
        Spoken::sayHand(
            this, Spoken::Hand::Player,
            {label_player_card1, label_player_card2, label_player_card3, label_player_card4},
            Player_card);
    } else {
        traceReigai();
    }
    after(Delay::AFTER_AUTOPLAY, SLOT(cpu_open_card_show_screen()));
}
