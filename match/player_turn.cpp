// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/sound_files.h"
#include "match/match_state.h"
#include "match/spoken.h"
#include "services/trace.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr char playerTurnRule[] = "=====player_turn()=====\n";

// Round 1's lines about the first card follow the CPU's count.
void traceFirstCardOfRoundOne(int n, int position, int code, int value)
{
    static const char *const headings[] = {
        "=====player_turn()===== case1 card_cpu()=1\n",
        "=====player_turn()===== case2 card_cpu()=2\n",
        "=====player_turn()===== case1 card_cpu()=3\n",
        "=====player_turn()===== case1 card_cpu()=4\n",
    };
    if (n < 1 || n > 4)
        return;
    trace("%s", headings[n - 1]);
    trace("buf_card[%d]=%d,buf_player_card=%d\n", position, code, position);
    if (n == 1)
        trace("buf_player_card=%d,Player_card=%d\n", position, value);
    else
        trace(PLAYER_CARD_LINE, value);
    if (n == 4)
        trace("return_card_cpu(buf_card[%d])=%d,count=%d\n", position, value, position);
    else
        trace("return_card_cpu(buf_card[%d])=%d,buf_player_card=%d\n", position, value, position);
    trace("%s", playerTurnRule);
}

// A third draw prints two lines more in some rounds, by the CPU's count,
// which is asked afresh for each row of its round.
struct ThirdDrawLines
{
    int round;
    int cpuCount;
    const char *heading;
    const char *line;
    const int *position; // the line's second number
};

constexpr char thirdDrawTwo[] = "get_card_button_count==3-2\n";

const ThirdDrawLines thirdDrawLines[] = {
    {1, 2, thirdDrawTwo, "Player_card=%d,buf_last_card=%d\n", &buf_last_card},
    {3, 4, "get_card_button_count==3-4\n", "Player_card=%d,buf_last_card=%d,buf_player_card3=%d\n",
     &buf_last_card},
    {3, 2, thirdDrawTwo, "Player_card=%d,buf_last_card2=%d\n", &buf_last_card2},
};

// The CPU's total as the stop settles it, framed by the round's own lines.
void traceCpuTotal(int round, int n)
{
    static constexpr char roundTwoRule[] = "=========push_stop_card_button()===========\n";
    static const char *const roundThreeLines[] = {
        "=======case 3 card_cpu()=1=========\n",
        "=======case 3 card_cpu()=2=========\n",
        "=======case 3 card_cpu()=3=========\n",
        "=======case 3 card_cpu()=4=========\n",
    };
    if (round == 2) {
        trace("%s", roundTwoRule);
        trace("card_cpu()=%d,buf_last_card2=%d\n", n, buf_last_card2);
    } else if (round == 3 && n != 0) {
        trace("%s", roundThreeLines[n - 1]);
    }
    trace("CPU:%d\n", CPU_card);
    if (round == 2)
        trace("%s", roundTwoRule);
}

} // namespace

void Dorvek::player_turn()
{
    playSound(SoundFile::CARDS_LAID_OUT);
    const RoundLayout *layout = roundLayout(Round_count);
    if (!layout)
        return;

    int n = 0;
    if (Round_count == 1) {
        n = askCount(&Dorvek::card_cpu, CountOrder::Upwards);
        if (n != 0)
            count = n;
    }
    const int position = *layout->playerFirst;
    const int code = deckCode(position);
    card_show(code, 0, label_player_card1);
    Player_card = return_card_cpu(code);

    if (Round_count == 1) {
        traceFirstCardOfRoundOne(n, position, code, Player_card);
    } else {
        trace("%s", playerTurnRule);
        const RoundLines &lines = *roundLines(Round_count);
        trace(lines.firstCard, position, code, position);
        trace("return_card_cpu(buf_card[%d])=%d\n", position, Player_card);
        trace(lines.playerFirst, position);
        trace("%s", playerTurnRule);
    }

    button_get_card->setEnabled(true);
    button_stop_card->setEnabled(true);
    Spoken::describeHand(
        {button_get_card, button_stop_card},
        {label_player_card1, label_player_card2, label_player_card3, label_player_card4},
        Player_card);
    // Keyboard play: Space draws at once, and "Stop card" is a Tab away.
    button_get_card->setFocus();
}

void Dorvek::push_get_card_button()
{
    static constexpr char endLine[] = "====push_get_card_button end===\n";
    trace("====push_get_card_button  796 start===\n");
    const int c = ++get_card_button_count;
    trace("get_card_button_count=%d   798 \n", c);
    playSound(SoundFile::CARD_DRAWN);

    const RoundLayout *layout = roundLayout(Round_count);
    if (!layout || c < 1 || c > 3) {
        trace("%s", endLine);
        return;
    }
    if (Round_count == 1 && c == 1) {
        trace("====push_get_card_button  805   No2========\n");
        if (card_cpu() == 4)
            trace("====push_get_card_button  810   No4-4========\n");
    }

    const int first = *layout->playerFirst;
    for (int k = 0; k <= c; ++k)
        card_show(deckCode(first + k), 0, playerPlace(k + 1));
    Player_card = deckTotal(first, c + 1);
    *layout->nextStart = first + c + 1;
    Spoken::sayDrawn(
        this, {button_get_card, button_stop_card},
        {label_player_card1, label_player_card2, label_player_card3, label_player_card4},
        Player_card);

    if (c == 3) {
        for (const ThirdDrawLines &row : thirdDrawLines) {
            if (row.round != Round_count || card_cpu() != row.cpuCount)
                continue;
            trace("%s", row.heading);
            trace(row.line, Player_card, *row.position, first);
            break;
        }
    }

    trace("get_card_button_count=%d,card_cpu()=%d\n", c, card_cpu());
    trace(roundLines(Round_count)->draw, first, *layout->nextStart);
    trace("%s", endLine);
}

void Dorvek::push_stop_card_button()
{
    playSound(SoundFile::STOPPED);
    button_get_card->setEnabled(false);
    button_stop_card->setEnabled(false);
    card_draw_cpu();

    const int round = Round_count;
    const int n = askCount(&Dorvek::card_cpu, CountOrder::Downwards);
    if (const RoundLayout *layout = roundLayout(round)) {
        if (n != 0)
            CPU_card = deckTotal(*layout->start, n);
        traceCpuTotal(round, n);
        if (get_card_button_count == 0) {
            const int kept = askCount(&Dorvek::card_cpu, CountOrder::Downwards);
            if (kept != 0) {
                const int first = *layout->playerFirst;
                Player_card = return_card_cpu(deckCode(first));
                *layout->nextStart = first + 1;
                if (round == 1)
                    trace("get_card_button_count==%d:PLAYER=%d,buf_player_card=%d\n", 0,
                          Player_card, first);
                else // Round 3 with the CPU holding one card prints round 2's line.
                    trace(roundLines(round == 3 && kept == 1 ? 2 : round)->kept, first, 0,
                          Player_card);
            }
        }
    }

    static constexpr char stopRule[] = "=====push_stop_card_button()========\n";
    trace("%s", stopRule);
    trace(PLAYER_CARD_LINE, Player_card);
    trace("PLAYER=%d\n", Player_card);
    trace("%s", stopRule);
    get_card_button_count = 0;
}
