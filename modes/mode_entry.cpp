// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "match/chain_delays.h"
#include "match/match_state.h"
#include "services/trace.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void Dorvek::Watching_mode()
{
    buf_player_card = 0;
    label_mascot_a->hide();
    label_mascot_b->show();
    label_message->hide();
    action_watching->setEnabled(false);
    button_get_card->setEnabled(false);
    action_free_play->setEnabled(false);
    label_mode->setText(tr("<Font color=red>Watching mode Play</Font>"));
    button_get_card->setEnabled(false);
    button_stop_card->setEnabled(false);
    clearHands();
    ++Round_count;
    Play_mode = MODE_WATCHING;
    showScoreLine();
    after(Delay::MODE_ENTRY, SLOT(start_timer1_show()));
    trace("Round_count=%d\n", Round_count);
}

void Dorvek::three_atack()
{
    ++Round_count;
    Play_mode = MODE_FREE_PLAY;
    showScoreLine();
    action_watching->setEnabled(false);
    label_mascot_a->hide();
    label_mascot_b->show();
    button_get_card->setEnabled(false);
    button_stop_card->setEnabled(false);
    action_free_play->setEnabled(false);
    label_message->hide();
    label_mode->setText(tr("<Font color=green>Free Play1 mode</Font>"));
    clearHands();
    after(Delay::MODE_ENTRY, SLOT(start_timer1_show()));
    trace("three atack() play_mode=%d\n", Play_mode);
}
