// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cpu/lookahead.h"
#include "match/match_state.h"
#include "services/trace.h"

namespace {

void traceRoundHeading(int round)
{
    trace("======card_cpu() Round_count=%d======\n", round);
}

} // namespace

int Dorvek::card_cpu()
{
    trace("====card cpu start=====\n");
    const RoundLayout *layout = roundLayout(Round_count);
    if (!layout) {
        trace("====card cpu end=====\n");
        return -2;
    }
    traceRoundHeading(Round_count);
    const int start = *layout->start;
    if (const char *line = roundLines(Round_count)->start)
        trace(line, start);
    return cpuHoldCount(return_card_cpu(deckCode(start)), return_card_cpu(deckCode(start + 1)),
                        return_card_cpu(deckCode(start + 2)), return_card_cpu(deckCode(start + 3)));
}

int Dorvek::card_player()
{
    const int n = card_cpu();
    if (Round_count != 1)
        return 0;
    traceRoundHeading(1);
    trace("card_player=%d\n", n + 1);
    // The automatic player's own first card, at position n, is not looked at.
    return autoPlayerTakeCount(return_card_cpu(deckCode(n + 1)), return_card_cpu(deckCode(n + 2)),
                               return_card_cpu(deckCode(n + 3)), return_card_cpu(deckCode(n + 4)));
}

int Dorvek::askCount(int (Dorvek::*question)(), CountOrder order)
{
    // Each comparison asks afresh, and each answer leaves its own trace block.
    for (int k = 0; k < 4; ++k) {
        const int candidate = order == CountOrder::Upwards ? k + 1 : 4 - k;
        if ((this->*question)() == candidate)
            return candidate;
    }
    return 0;
}
