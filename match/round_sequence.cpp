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
    const bool matchJustEntered = (Play_mode == MODE_WATCHING || Play_mode == MODE_FREE_PLAY)
                                  && Round_count == 1;
    if (Play_mode != MODE_DEMO && !matchJustEntered)
        return;
    announceRound(1, SLOT(start_timer2_unshow()));
}

// Each round is announced with a banner and a sound of its own.
void Dorvek::announceRound(int round, const char *next)
{
    struct RoundBanner
    {
        const char *text;
        const char *sound;
    };
    static constexpr RoundBanner banners[] = {
        {QT_TRANSLATE_NOOP("Dorvek", "Round1"), SoundFile::ROUND1},
        {QT_TRANSLATE_NOOP("Dorvek", "Round2"), SoundFile::ROUND2},
        {QT_TRANSLATE_NOOP("Dorvek", "Round3"), SoundFile::ROUND3},
    };
    const RoundBanner &banner = banners[round - 1];
    showText(label_round, tr(banner.text));
    playSound(banner.sound);
    after(Delay::ROUND_BANNER, next);
}

// Most steps of the chain only show the round banner with a text, or hide
// it, and hand over to the next step.
void Dorvek::bannerThen(const QString &text, int ms, const char *next)
{
    showText(label_round, text);
    after(ms, next);
}

void Dorvek::hideBannerThen(int ms, const char *next)
{
    label_round->hide();
    after(ms, next);
}

void Dorvek::start_timer2_unshow()
{
    hideBannerThen(Delay::AFTER_ROUND_BANNER, SLOT(CPU_turn_show()));
}
void Dorvek::CPU_turn_show()
{
    bannerThen(tr("It's CPU play now"), Delay::CPU_TURN_BANNER, SLOT(CPU_turn_unshow()));
}
void Dorvek::CPU_turn_unshow()
{
    hideBannerThen(Delay::BEFORE_CPU_DEAL, SLOT(cpu_close_card_cpu()));
}
void Dorvek::second_round_unshow()
{
    CPU_turn_unshow();
}
void Dorvek::PLAYER_turn_show()
{
    bannerThen(tr("It's your play now"), Delay::PLAYER_TURN_BANNER, SLOT(PLAYER_turn_unshow()));
}
void Dorvek::PLAYER_turn_unshow()
{
    hideBannerThen(Delay::BEFORE_PLAYER_TURN, SLOT(player_turn()));
}

void Dorvek::PLAYER_turn_show_watching()
{
    bannerThen(tr("It's your play now"), Delay::PLAYER_TURN_BANNER,
               SLOT(PLAYER_turn_unshow_watching()));
}

void Dorvek::PLAYER_turn_unshow_watching()
{
    hideBannerThen(Delay::BEFORE_PLAYER_TURN, SLOT(autoplay_close_drawcard_player()));
}
void Dorvek::cpu_open_card_show_screen()
{
    bannerThen(tr("CPU card open"), Delay::CPU_OPEN_BANNER, SLOT(cpu_open_card()));
}

void Dorvek::cpu_open_card_unshow_screen()
{
    label_round->hide();
}

void Dorvek::showTotals()
{
    showText(label_cpu_total, tr("CPU:%1").arg(CPU_card));
    showText(label_player_total, tr("Player:%1").arg(Player_card));
}

void Dorvek::hideTotals()
{
    label_cpu_total->hide();
    label_player_total->hide();
}

void Dorvek::cpu_player_on_screen()
{
    showTotals();
    after(Delay::TOTALS_AGAIN_SHOWN, SLOT(cpu_player_off_screen()));
}

void Dorvek::cpu_player_off_screen()
{
    hideTotals();
}

void Dorvek::result_screen_show()
{
    showTotals();
    Spoken::sayTotals(this, CPU_card, Player_card);
    after(Delay::TOTALS_SHOWN, SLOT(result_screen_clear()));
    win_lose_check();
}

void Dorvek::result_screen_clear()
{
    hideTotals();
    for (int line = 0; line < 2; ++line)
        trace("===========\n");
    after(Delay::BEFORE_TABLE_CLEARED, SLOT(result_screen_all_clear()));
}

void Dorvek::clearTable()
{
    clearPlaces({label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4,
                 label_cpu_spacer, label_player_card1, label_player_card2, label_player_card3,
                 label_player_card4, label_player_spacer});
}

void Dorvek::result_screen_all_clear()
{
    label_round->hide();
    clearTable();
    after(Delay::BEFORE_NEXT_ROUND, SLOT(second_round()));
}

void Dorvek::second_round()
{
    if (Play_mode != MODE_FREE_PLAY)
        return;
    ++Round_count;
    showScoreLine();
    if (Round_count == 2 || Round_count == 3) {
        announceRound(Round_count, SLOT(second_round_unshow()));
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
    after(Delay::BEFORE_GAME_OVER_BANNER, SLOT(Gameover_show()));
}

void Dorvek::Gameover_show()
{
    showText(label_round, tr("Game over"));
    playSound(SoundFile::GAME_OVER);
    after(Delay::GAME_OVER_BANNER, SLOT(Gameover_unshow()));
}

void Dorvek::Gameover_unshow()
{
    clearTable();
    label_round->clear();

    for (int *value : {&Player_card, &CPU_card, &Round_count, &buf_last_card, &buf_player_card,
                       &buf_player_card2, &buf_player_card3, &buf_last_card2, &buf_last_card3,
                       &cpu_points, &player_points, &tie_count})
        *value = 0;
    Play_mode = MODE_DEMO;

    showScoreLine();
    label_mode->setText(tr("<Font color=red>Demo mode play</Font>"));
    action_watching->setEnabled(true);
    action_free_play->setEnabled(true);

    restartDemo(Delay::BEFORE_DEMO);
}
