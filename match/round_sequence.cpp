// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/sound_files.h"
#include "match/chain_delays.h"
#include "match/match_state.h"
#include "match/spoken.h"
#include "services/step_clock.h"
#include "services/trace.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void Dorvek::start_timer1_show()
{
    const bool matchJustEntered =
        (Play_mode == MODE_WATCHING || Play_mode == MODE_FREE_PLAY) && Round_count == 1;
    if (Play_mode != MODE_DEMO && !matchJustEntered)
        return;
    announce_round(1, SLOT(start_timer2_unshow()));
}

// Each round is announced with a banner and a sound of its own.
void Dorvek::announce_round(int round, const char *next)
{
    struct RoundBanner
    {
        const char *text;
        const char *sound;
    };
    static constexpr RoundBanner banners[] = {
        {QT_TRANSLATE_NOOP("Dorvek", "Round1"), sound_file::ROUND1},
        {QT_TRANSLATE_NOOP("Dorvek", "Round2"), sound_file::ROUND2},
        {QT_TRANSLATE_NOOP("Dorvek", "Round3"), sound_file::ROUND3},
    };
    const RoundBanner &banner = banners[round - 1];
    show_text(label_round, tr(banner.text));
    play_sound(banner.sound);
    after(delay::ROUND_BANNER, next);
}

// Most steps of the chain only show the round banner with a text, or hide
// it, and hand over to the next step.
void Dorvek::banner_then(const QString &text, int ms, const char *next)
{
    show_text(label_round, text);
    after(ms, next);
}

void Dorvek::hide_banner_then(int ms, const char *next)
{
    label_round->hide();
    after(ms, next);
}

void Dorvek::start_timer2_unshow() { hide_banner_then(delay::AFTER_ROUND_BANNER, SLOT(CPU_turn_show())); }
void Dorvek::CPU_turn_show() { banner_then(tr("It's CPU play now"), delay::CPU_TURN_BANNER, SLOT(CPU_turn_unshow())); }
void Dorvek::CPU_turn_unshow() { hide_banner_then(delay::BEFORE_CPU_DEAL, SLOT(cpu_close_card_cpu())); }
void Dorvek::second_round_unshow() { CPU_turn_unshow(); }
void Dorvek::PLAYER_turn_show() { banner_then(tr("It's your play now"), delay::PLAYER_TURN_BANNER, SLOT(PLAYER_turn_unshow())); }
void Dorvek::PLAYER_turn_unshow() { hide_banner_then(delay::BEFORE_PLAYER_TURN, SLOT(player_turn())); }

void Dorvek::PLAYER_turn_show_watching()
{
    banner_then(tr("It's your play now"), delay::PLAYER_TURN_BANNER, SLOT(PLAYER_turn_unshow_watching()));
}

void Dorvek::PLAYER_turn_unshow_watching() { hide_banner_then(delay::BEFORE_PLAYER_TURN, SLOT(autoplay_close_drawcard_player())); }
void Dorvek::cpu_open_card_show_screen() { banner_then(tr("CPU card open"), delay::CPU_OPEN_BANNER, SLOT(cpu_open_card())); }

void Dorvek::cpu_open_card_unshow_screen()
{
    label_round->hide();
}

void Dorvek::show_totals()
{
    show_text(label_cpu_total, tr("CPU:%1").arg(CPU_card));
    show_text(label_player_total, tr("Player:%1").arg(Player_card));
}

void Dorvek::hide_totals()
{
    label_cpu_total->hide();
    label_player_total->hide();
}

void Dorvek::cpu_player_on_screen()
{
    show_totals();
    after(delay::TOTALS_AGAIN_SHOWN, SLOT(cpu_player_off_screen()));
}

void Dorvek::cpu_player_off_screen()
{
    hide_totals();
}

void Dorvek::result_screen_show()
{
    show_totals();
    spoken::say_totals(this, CPU_card, Player_card);
    after(delay::TOTALS_SHOWN, SLOT(result_screen_clear()));
    win_lose_check();
}

void Dorvek::result_screen_clear()
{
    hide_totals();
    for (int line = 0; line < 2; ++line)
        trace("===========\n");
    after(delay::BEFORE_TABLE_CLEARED, SLOT(result_screen_all_clear()));
}

void Dorvek::clear_table()
{
    clear_places({label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4, label_cpu_spacer,
                  label_player_card1, label_player_card2, label_player_card3, label_player_card4,
                  label_player_spacer});
}

void Dorvek::result_screen_all_clear()
{
    label_round->hide();
    clear_table();
    after(delay::BEFORE_NEXT_ROUND, SLOT(second_round()));
}

void Dorvek::second_round()
{
    if (Play_mode != MODE_FREE_PLAY)
        return;
    ++Round_count;
    show_score_line();
    if (Round_count == 2 || Round_count == 3) {
        announce_round(Round_count, SLOT(second_round_unshow()));
    } else if (Round_count == 4) {
        win_lose_check();
        Round_count = 0;
    }
}

void Dorvek::game_over_data_clear()
{
    button_get_card->setEnabled(false);
    button_stop_card->setEnabled(false);
    // The mode actions stay disabled until Gameover_unshow(): a match chosen
    // before that reset would be wrecked by it.
    array_shuffle();
    label_round->clear();
    after(delay::BEFORE_GAME_OVER_BANNER, SLOT(Gameover_show()));
}

void Dorvek::Gameover_show()
{
    show_text(label_round, tr("Game over"));
    play_sound(sound_file::GAME_OVER);
    after(delay::GAME_OVER_BANNER, SLOT(Gameover_unshow()));
}

void Dorvek::Gameover_unshow()
{
    clear_table();
    label_round->clear();

    for (int *value : {&Player_card, &CPU_card, &Round_count, &buf_last_card, &buf_player_card,
                       &buf_player_card2, &buf_player_card3, &buf_last_card2, &buf_last_card3, &cpu_points,
                       &player_points, &tie_count})
        *value = 0;
    Play_mode = MODE_DEMO;

    show_score_line();
    label_mode->setText(tr("<Font color=red>Demo mode play</Font>"));
    action_watching->setEnabled(true);
    action_free_play->setEnabled(true);

    restart_demo(delay::BEFORE_DEMO);
}
