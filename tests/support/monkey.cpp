// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/monkey.h"

#include "match/match_state.h"

#include <QAction>
#include <QByteArrayList>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Runs of the demonstration under way: its pending step, or its armed start
// trigger.
int demoRuns(const Dorvek &w, const SimClock &clock)
{
    static const QByteArrayList steps = {
        "demo_talk1",
        "demo_talk2",
        "demo_talk3",
        "demo_card_close_cpu",
        "demo_card_close_player",
        "demo_card_open_cpu",
        "demo_card_open_cpu2",
        "demo_talk4",
        "demo_talk5",
        "demo_talk6",
        "demo_talk7",
        "demo_talk8",
    };
    int runs = clock.timerArmed(w.timer_demo) ? 1 : 0;
    for (const QByteArray &step : steps)
        runs += clock.pendingCount(step);
    return runs;
}

QString brokenDeck()
{
    std::vector<int> codes(buf_card, buf_card + DECK_SIZE);
    std::sort(codes.begin(), codes.end());
    for (int i = 0; i < DECK_SIZE; ++i) {
        if (codes[size_t(i)] != i + 1)
            return QStringLiteral(
                       "the deck is not a permutation of 1..52 (sorted, place %1 holds %2)")
                .arg(i)
                .arg(codes[size_t(i)]);
    }
    const struct
    {
        const char *name;
        int value;
    } positions[] = {
        {"buf_last_card", buf_last_card},   {"buf_player_card", buf_player_card},
        {"buf_last_card2", buf_last_card2}, {"buf_player_card2", buf_player_card2},
        {"buf_last_card3", buf_last_card3}, {"buf_player_card3", buf_player_card3},
        {"buf_last_card4", buf_last_card4},
    };
    for (const auto &position : positions) {
        if (position.value < 0 || position.value >= DECK_SIZE)
            return QStringLiteral("%1 is %2, off the deck").arg(position.name).arg(position.value);
    }
    return {};
}

QString brokenCounters(const Dorvek &w)
{
    switch (Play_mode) {
    case MODE_DEMO:
        if (Round_count != 0)
            return QStringLiteral("Round_count %1 with no match running").arg(Round_count);
        break;
    case MODE_WATCHING:
        if (Round_count != 1)
            return QStringLiteral("Round_count %1 in watching mode").arg(Round_count);
        break;
    case MODE_FREE_PLAY:
        if (Round_count < 0 || Round_count > 3)
            return QStringLiteral("Round_count %1 in free play").arg(Round_count);
        break;
    default:
        return QStringLiteral("Play_mode %1").arg(Play_mode);
    }
    // Between the match verdict and the reset the line still names round 3.
    const int shownRound = Play_mode == MODE_FREE_PLAY && Round_count == 0 ? 3 : Round_count;
    const QString expected = QStringLiteral("Round:%1 CPU=%2,Player=%3,tie=%4")
                                 .arg(shownRound)
                                 .arg(w.cpu_points)
                                 .arg(w.player_points)
                                 .arg(w.tie_count);
    if (w.label_score->text() != expected || w.score_text != expected)
        return QStringLiteral("the score line reads \"%1\" (kept: \"%2\"), the counters say \"%3\"")
            .arg(w.label_score->text(), w.score_text, expected);
    return {};
}

} // namespace

QString brokenInvariant(const Dorvek &w, const SimClock &clock, bool playersTurn)
{
    QString broken = brokenDeck();
    if (broken.isEmpty())
        broken = brokenCounters(w);
    if (!broken.isEmpty())
        return broken;

    if (w.button_get_card->isEnabled() != playersTurn
        || w.button_stop_card->isEnabled() != playersTurn)
        return QStringLiteral("buttons enabled %1/%2 %3 a player's turn")
            .arg(w.button_get_card->isEnabled())
            .arg(w.button_stop_card->isEnabled())
            .arg(playersTurn ? "during" : "outside");
    if (!playersTurn && get_card_button_count != 0)
        return QStringLiteral("get_card_button_count %1 outside a player's turn")
            .arg(get_card_button_count);

    const bool idle = Play_mode == MODE_DEMO;
    if (w.action_watching->isEnabled() != idle || w.action_free_play->isEnabled() != idle)
        return QStringLiteral("mode actions enabled %1/%2 in Play_mode %3")
            .arg(w.action_watching->isEnabled())
            .arg(w.action_free_play->isEnabled())
            .arg(Play_mode);

    if (w.label_mascot_a->isVisibleTo(&w) == w.label_mascot_b->isVisibleTo(&w))
        return QStringLiteral("mascot places visible: %1 and %2")
            .arg(w.label_mascot_a->isVisibleTo(&w))
            .arg(w.label_mascot_b->isVisibleTo(&w));

    const int runs = demoRuns(w, clock);
    if (runs > 1 || (idle && runs != 1))
        return QStringLiteral("%1 runs of the demonstration in Play_mode %2")
            .arg(runs)
            .arg(Play_mode);
    if (!idle && w.label_message->isVisibleTo(&w))
        return QStringLiteral("the mascot's message panel shows during a match");
    if (!idle && !playersTurn && clock.pendingCount() == runs)
        return QStringLiteral("the match has stopped: nothing pending and no player's turn");
    return {};
}

bool playFreePlay(Game &game, int draws)
{
    game.chooseFreePlay();
    for (int round = 1; round <= 3; ++round) {
        if (game.untilPlayerTurn() < 0)
            return false;
        for (int draw = 0; draw < draws; ++draw)
            game.window->button_get_card->click();
        game.window->button_stop_card->click();
    }
    return game.clock.runUntil("Gameover_unshow") >= 0;
}

bool playWatching(Game &game)
{
    game.chooseWatching();
    return game.clock.runUntil("Gameover_unshow") >= 0;
}
