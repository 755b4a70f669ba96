#include "app/dorvek.h"
#include "app/trace.h"
#include "match/match_state.h"

#include <QLabel>

namespace {

// The CPU's bookkeeping counter may run past the four entries of `card`;
// the trace then shows 0 rather than read beyond them.
int card_entry(int index)
{
    return index >= 0 && index < 4 ? card[index] : 0;
}

// Appends to the reveal log and returns the entry's index. A full log keeps
// what it has; the trace still shows the value and where it would have gone.
int log_reveal(int value)
{
    if (buf_score_index >= REVEAL_LOG_SIZE)
        return buf_score_index;
    buf_score_count[buf_score_index] = value;
    return buf_score_index++;
}

}

QLabel *Dorvek::cpu_place(int place) const
{
    QLabel *const places[] = {label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4};
    return places[place - 1];
}

QLabel *Dorvek::player_place(int place) const
{
    QLabel *const places[] = {label_player_card1, label_player_card2, label_player_card3,
                              label_player_card4};
    return places[place - 1];
}

void Dorvek::trace_face_down_card(int n, int k, int code)
{
    if (Round_count == 1) {
        if (n == 1) {
            trace("1-1:count=%d,card[count]=%d\n", count, card_entry(count));
        } else if (k == 1) {
            trace("%d-1:card[0]=%d,count=%d,card[count]=%d,count=%d\n", n, card[0], count,
                  card_entry(count), count);
        } else {
            // Labelled count_n, but with two cards the line carries count.
            trace("%d-%d:card[0]=%d,count_n=%d,card[count]=%d,count=%d\n", n, k, card[0],
                  n == 3 ? count_n : count, card_entry(count), count);
        }
        ++count;
        return;
    }
    if (n == 4)
        trace("4-%d:count=%d,card[count]=%d\n", k, k - 1, code);
    else if (n == 1)
        trace("1-1:count=%d,card[0]=%d,buf_last_card2=%d\n", count, code, buf_last_card2);
    else
        trace("%d-%d:card[%d]=%d,count_n=%d\n", n, k, k - 1, code, count_n);
    ++count_n;
}

void Dorvek::deal_face_down(int n)
{
    const int start = round_start();
    for (int k = 1; k <= n; ++k) {
        card_spade_show(0, 0, cpu_place(k));
        if (k == n) {
            for (int place = 4; place > n; --place)
                cpu_place(place)->clear();
        }
        // In round 1 four cards are only shown; nothing is kept or traced.
        if (Round_count == 1 && n == 4)
            continue;
        const int code = deck_code(start + k - 1);
        card[k - 1] = code;
        trace_face_down_card(n, k, code);
    }

    if (Round_count == 1) {
        if (n == 1)
            count = 1;
        buf_player_card = n;
        return;
    }
    if (n == 4)
        count = 4;
    int &playerFirst = Round_count == 2 ? buf_player_card2 : buf_player_card3;
    playerFirst = start + n;
    if (n == 3) {
        trace(Round_count == 2 ? "======3-3-2:buf_player_card2=%d======\n"
                               : "======3-3-2:buf_player_card3=%d======\n",
              playerFirst);
    } else if (n == 2) {
        trace("======2-3-2:buf_player_card2=%d======\n", buf_player_card2);
    } else if (n == 1) {
        trace("======3-3-2:buf_player_card2=%d======\n", buf_player_card2);
    }
}

void Dorvek::trace_reigai()
{
    trace("----------cpu_close_card_cpu()----------------\n");
    trace("Reigai card[0]=%d\n", card_entry(0));
    trace("----------cpu_close_card_cpu()----------------\n");
}

void Dorvek::cpu_close_card_cpu()
{
    trace("cpu_close_card_cpu\n");
    play_sound("wave/array_sound.wav");
    const int n = ask_count(&Dorvek::card_cpu, CountOrder::Downwards);
    if (n != 0)
        deal_face_down(n);
    else
        trace_reigai();

    if (Play_mode == MODE_WATCHING)
        after(500, SLOT(PLAYER_turn_show_watching()));
    else if (Play_mode == MODE_FREE_PLAY)
        after(500, SLOT(PLAYER_turn_show()));
}

void Dorvek::show_cpu_faces(int start, int n)
{
    for (int k = 1; k <= n; ++k)
        card_show(deck_code(start + k - 1), 1, cpu_place(k));
    for (int place = 4; place > n; --place)
        cpu_place(place)->clear();
}

void Dorvek::trace_reveal_log(int n, int start)
{
    int total = 0;
    for (int k = 0; k < n; ++k)
        total += deck_value(start + k);
    const bool roundTwo = Round_count == 2;

    if (n == 1) {
        log_reveal(deck_code(start));
        log_reveal(total);
        if (roundTwo)
            trace("cpu open1-1 buf_card[%d]=%d,buf_player_card2=%d,buf_last_card2=%d\n", 0, buf_card[0],
                  buf_player_card2, buf_last_card2);
        else
            trace("cpu open1-1 buf_card[%d]=%d\n", 0, buf_card[0]);
        return;
    }

    if (n == 2) {
        trace("==========\n");
        const int first = log_reveal(deck_code(start));
        trace("card_cpu=2,buf_score_count[%d]=card[%d]=%d\n", first, 0, deck_code(start));
        const int second = log_reveal(deck_code(start + 1));
        if (roundTwo)
            trace("card_cpu=2,buf_score_count[%d]=card[%d]=%d,buf_last_card2=%d\n", second, 1,
                  deck_code(start + 1), buf_last_card2);
        else
            trace("card_cpu=2,buf_score_count[%d]=card[%d]=%d\n", second, 1, deck_code(start + 1));
        trace(Round_count == 3 ? "========== 1657\n" : "==========\n");
        const int sum = log_reveal(total);
        if (roundTwo)
            trace("cpu open2-1 buf_score_cpu[%d]=%d,buf_player_card2,buf_last_card2=%d\n", sum, total,
                  buf_last_card2);
        else
            trace("cpu open2-1 buf_score_cpu[%d]=%d\n", sum, total);
        return;
    }

    for (int k = 0; k < n; ++k)
        log_reveal(deck_code(start + k));
    const int sum = log_reveal(total);
    if (roundTwo)
        trace("cpu open%d-1 card[%d]=%d,buf_player_card2=%d,buf_last_card2=%d\n", n, sum, total,
              buf_player_card2, buf_last_card2);
    else
        trace("cpu open%d-1 card[%d]=%d\n", n, sum, total);
}

void Dorvek::card_draw_cpu()
{
    trace("card_draw_cpu\n");
    if (Round_count >= 1 && Round_count <= 3) {
        const int start = round_start();
        const int n = ask_count(&Dorvek::card_cpu, CountOrder::Downwards);
        if (n != 0) {
            show_cpu_faces(start, n);
            trace_reveal_log(n, start);
        }
        trace("card_cpu()=%d\n", card_cpu());
        trace("===card_draw_cpu===\n");
    }
    trace("buf_last_card=%d\n", buf_last_card);
    after(1000, SLOT(result_screen_show()));
}

// Watching mode has a single round, so the CPU's cards lie from position 0.
void Dorvek::cpu_open_card()
{
    play_sound("wave/array_sound.wav");
    const int n = card_cpu();
    if (n >= 1 && n <= 4)
        show_cpu_faces(0, n);
    win_lose_check();
}
