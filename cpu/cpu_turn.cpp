// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/sound_files.h"
#include "match/chain_delays.h"
#include "match/match_state.h"
#include "match/spoken.h"
#include "services/pictures.h"
#include "services/trace.h"

#include <QLabel>

#include <array>

namespace {

// The CPU's bookkeeping counter may run past the four entries of `card`;
// the trace then shows 0 rather than read beyond them.
int cardEntry(int index)
{
    return index >= 0 && index < 4 ? card[index] : 0;
}

// Each face-down card's line, by the cards the CPU holds and the card's
// number. In round 1 a hand of four prints nothing.
const char *const firstRoundDealLines[3][3] = {
    {"1-1:count=%d,card[count]=%d\n"},
    {"2-1:card[0]=%d,count=%d,card[count]=%d,count=%d\n",
     "2-2:card[0]=%d,count_n=%d,card[count]=%d,count=%d\n"},
    {"3-1:card[0]=%d,count=%d,card[count]=%d,count=%d\n",
     "3-2:card[0]=%d,count_n=%d,card[count]=%d,count=%d\n",
     "3-3:card[0]=%d,count_n=%d,card[count]=%d,count=%d\n"},
};

const char *const laterRoundDealLines[4][4] = {
    {"1-1:count=%d,card[0]=%d,buf_last_card2=%d\n"},
    {"2-1:card[0]=%d,count_n=%d\n", "2-2:card[1]=%d,count_n=%d\n"},
    {"3-1:card[0]=%d,count_n=%d\n", "3-2:card[1]=%d,count_n=%d\n", "3-3:card[2]=%d,count_n=%d\n"},
    {"4-1:count=%d,card[count]=%d\n", "4-2:count=%d,card[count]=%d\n",
     "4-3:count=%d,card[count]=%d\n", "4-4:count=%d,card[count]=%d\n"},
};

// The reveal's last line by the cards revealed, plain and in round 2, which
// adds its positions. Two cards print lines of their own.
const char *const revealLines[4][2] = {
    {"cpu open1-1 buf_card[%d]=%d\n",
     "cpu open1-1 buf_card[%d]=%d,buf_player_card2=%d,buf_last_card2=%d\n"},
    {},
    {"cpu open3-1 card[%d]=%d\n",
     "cpu open3-1 card[%d]=%d,buf_player_card2=%d,buf_last_card2=%d\n"},
    {"cpu open4-1 card[%d]=%d\n",
     "cpu open4-1 card[%d]=%d,buf_player_card2=%d,buf_last_card2=%d\n"},
};

// Where each entry of a reveal went in the log: the n codes, then the total.
using RevealEntries = std::array<int, 5>;

// Appends the revealed codes and their total to the reveal log. A full log
// keeps what it has; the trace still shows where an entry would have gone.
RevealEntries logReveal(int start, int n, int total)
{
    RevealEntries entries{};
    for (int k = 0; k <= n; ++k) {
        entries[k] = buf_score_index;
        if (buf_score_index < REVEAL_LOG_SIZE)
            buf_score_count[buf_score_index++] = k < n ? deckCode(start + k) : total;
    }
    return entries;
}

void traceFaceDown(int n, int k, int code)
{
    if (Round_count == 1) {
        const char *const line = firstRoundDealLines[n - 1][k - 1];
        // With two cards the lines labelled count_n still carry count.
        if (n == 1)
            trace(line, count, cardEntry(count));
        else
            trace(line, card[0], n == 3 && k > 1 ? count_n : count, cardEntry(count), count);
        return;
    }
    const char *const line = laterRoundDealLines[n - 1][k - 1];
    if (n == 1)
        trace(line, count, code, buf_last_card2);
    else if (n == 4)
        trace(line, k - 1, code);
    else
        trace(line, code, count_n);
}

void traceReveal(int start, int n, int total, const RevealEntries &entries)
{
    const bool roundTwo = Round_count == 2;
    if (n == 2) {
        static constexpr char rule[] = "==========\n";
        trace("%s", rule);
        for (int k = 0; k < 2; ++k) {
            if (k == 1 && roundTwo)
                trace("card_cpu=2,buf_score_count[%d]=card[%d]=%d,buf_last_card2=%d\n", entries[k],
                      k, deckCode(start + k), buf_last_card2);
            else
                trace("card_cpu=2,buf_score_count[%d]=card[%d]=%d\n", entries[k], k,
                      deckCode(start + k));
        }
        trace("%s", Round_count == 3 ? "========== 1657\n" : rule);
        if (roundTwo)
            trace("cpu open2-1 buf_score_cpu[%d]=%d,buf_player_card2,buf_last_card2=%d\n",
                  entries[2], total, buf_last_card2);
        else
            trace("cpu open2-1 buf_score_cpu[%d]=%d\n", entries[2], total);
        return;
    }
    // One card prints the top of the deck; more print the logged total.
    const int index = n == 1 ? 0 : entries[n];
    const int value = n == 1 ? buf_card[0] : total;
    trace(revealLines[n - 1][roundTwo], index, value, buf_player_card2, buf_last_card2);
}

} // namespace

void Dorvek::dealFaceDown(int n)
{
    const RoundLayout &layout = *roundLayout(Round_count);
    const int start = *layout.start;
    const bool firstRound = Round_count == 1;
    for (int k = 1; k <= n; ++k) {
        card_spade_show(0, 0, cpuPlace(k));
        if (k == n) {
            for (int place = 4; place > n; --place)
                Pictures::clear(cpuPlace(place));
        }
        // In round 1 four cards are only shown; nothing is kept or traced.
        if (firstRound && n == 4)
            continue;
        const int code = deckCode(start + k - 1);
        card[k - 1] = code;
        traceFaceDown(n, k, code);
        ++(firstRound ? count : count_n);
    }

    *layout.playerFirst = start + n;
    if (firstRound) {
        if (n == 1)
            count = 1;
        return;
    }
    // Fewer than three cards name round 2's player position, in round 3 too.
    if (n == 4)
        count = 4;
    else if (n == 3)
        trace(roundLines(Round_count)->dealt, *layout.playerFirst);
    else if (n == 2)
        trace("======2-3-2:buf_player_card2=%d======\n", buf_player_card2);
    else
        trace(roundLines(2)->dealt, buf_player_card2);
}

void Dorvek::traceReigai()
{
    static constexpr char rule[] = "----------cpu_close_card_cpu()----------------\n";
    trace("%s", rule);
    trace("Reigai card[0]=%d\n", cardEntry(0));
    trace("%s", rule);
}

void Dorvek::cpu_close_card_cpu()
{
    trace("cpu_close_card_cpu\n");
    playSound(SoundFile::CARDS_LAID_OUT);
    const int n = askCount(&Dorvek::card_cpu, CountOrder::Downwards);
    if (n != 0)
        dealFaceDown(n);
    else
        traceReigai();
    Spoken::sayFaceDown(this, n);

    if (Play_mode == MODE_WATCHING)
        after(Delay::AFTER_CPU_DEAL, SLOT(PLAYER_turn_show_watching()));
    else if (Play_mode == MODE_FREE_PLAY)
        after(Delay::AFTER_CPU_DEAL, SLOT(PLAYER_turn_show()));
}

void Dorvek::showCpuFaces(int start, int n)
{
    for (int k = 1; k <= n; ++k)
        card_show(deckCode(start + k - 1), 1, cpuPlace(k));
}

void Dorvek::card_draw_cpu()
{
    trace("card_draw_cpu\n");
    if (const RoundLayout *layout = roundLayout(Round_count)) {
        const int start = *layout->start;
        const int n = askCount(&Dorvek::card_cpu, CountOrder::Downwards);
        if (n != 0) {
            showCpuFaces(start, n);
            const QList<QLabel *> emptied[] = {
                {label_cpu_card2, label_cpu_card3, label_cpu_card4},
                {label_cpu_card3},
                {label_cpu_card4},
                {},
            };
            clearPlaces(emptied[n - 1]);
            const int total = deckTotal(start, n);
            traceReveal(start, n, total, logReveal(start, n, total));
            Spoken::sayHand(this, Spoken::Hand::Cpu,
                            {label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4},
                            total);
        }
        trace("card_cpu()=%d\n", card_cpu());
        trace("===card_draw_cpu===\n");
    }
    trace("buf_last_card=%d\n", buf_last_card);
    after(Delay::AFTER_REVEAL, SLOT(result_screen_show()));
}

// Watching mode has a single round, so the CPU's cards lie from position 0.
void Dorvek::cpu_open_card()
{
    playSound(SoundFile::CARDS_LAID_OUT);
    const int n = card_cpu();
    if (n >= 1 && n <= 4) {
        showCpuFaces(0, n);
        const QList<QLabel *> emptied[] = {
            {label_cpu_card4, label_cpu_card3, label_cpu_card2},
            {label_cpu_card3, label_cpu_card4},
            {label_cpu_card4},
            {},
        };
        clearPlaces(emptied[n - 1]);
    }
    Spoken::sayHand(this, Spoken::Hand::Cpu,
                    {label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4}, CPU_card);
    Spoken::sayTotals(this, CPU_card, Player_card);
    win_lose_check();
}
