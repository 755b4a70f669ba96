// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "match/match_state.h"
#include "match/spoken.h"

#include <QLabel>

void Dorvek::showScoreLine()
{
    score_text = tr("Round:%1 CPU=%2,Player=%3,tie=%4")
                     .arg(Round_count)
                     .arg(cpu_points)
                     .arg(player_points)
                     .arg(tie_count);
    // Named first: the label's first text makes its accessible interface.
    Spoken::nameScore(label_score, Round_count, cpu_points, player_points, tie_count);
    label_score->setText(score_text);
}
