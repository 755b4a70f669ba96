// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/match_state.h"
#include "support/harness.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

using Timeline = QList<QPair<qint64, QByteArray>>;

// The steps the clock ran between two moments, in order.
Timeline stepsBetween(const SimClock &clock, qint64 from, qint64 to)
{
    Timeline steps;
    for (const SimClock::Fired &fired : clock.history()) {
        if (fired.time >= from && fired.time <= to && fired.slot != "timeout")
            steps.append({fired.time, fired.slot});
    }
    return steps;
}

Timeline shifted(const Timeline &steps, qint64 by)
{
    Timeline moved;
    for (const auto &step : steps)
        moved.append({step.first + by, step.second});
    return moved;
}

// From a round's "Stop card" at s = 0 to the next round's deal.
const Timeline afterStop = {
    {1000, "result_screen_show"},
    {3000, "result_screen_clear"},
    {3500, "cpu_player_on_screen"},
    {3500, "cpu_open_card_unshow_screen"},
    {4500, "result_screen_all_clear"},
    {5000, "cpu_player_off_screen"},
    {6000, "second_round"},
    {9500, "second_round_unshow"},
    {11000, "cpu_close_card_cpu"},
    {11500, "PLAYER_turn_show"},
    {13000, "PLAYER_turn_unshow"},
    {14500, "player_turn"},
};

const Timeline freePlayOpening = {
    {500, "start_timer1_show"},    {4000, "start_timer2_unshow"}, {5500, "CPU_turn_show"},
    {7000, "CPU_turn_unshow"},     {8500, "cpu_close_card_cpu"},  {9000, "PLAYER_turn_show"},
    {10500, "PLAYER_turn_unshow"}, {12000, "player_turn"},
};

} // namespace

class tst_match : public QObject
{
    Q_OBJECT

private slots:
    void roundJudgement_data();
    void roundJudgement();
    void tieIsHeardBeforeItIsShown();
    void matchVerdict_data();
    void matchVerdict();
    void freePlayTimeline();
    void watchingTimeline();
    void bannersAlongTheWatchingMatch();
    void stepsOutsideTheirConditionDoNothing_data();
    void stepsOutsideTheirConditionDoNothing();
    void modeActionsWaitForTheReset();
};

void tst_match::roundJudgement_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("caseLine");
    QTest::addColumn<QString>("sound");

    const struct
    {
        int mode, cpu, player;
        const char *banner, *score, *caseLine, *sound;
    } cases[] = {
        {2, 15, 14, "CPU Win", "Round:2 CPU=50,Player=20,tie=1", "1-2", "cpu_win"},
        {2, 9, 7, "CPU Win", "Round:2 CPU=15,Player=20,tie=1", "1-7", "cpu_win"},
        {2, 12, 15, "Player Win", "Round:2 CPU=10,Player=60,tie=1", "2-2", "player_win"},
        {2, 5, 8, "Player Win", "Round:2 CPU=10,Player=25,tie=1", "2-7", "player_win"},
        {2, 18, 14, "Player Win", "Round:2 CPU=10,Player=25,tie=1", "1-1", "player_win"},
        {2, 18, 15, "Player Win", "", "", "player_win"},
        {2, 20, 17, "Player Win", "", "", "player_win"},
        {2, 16, 19, "CPU Win", "", "", "cpu_win"},
        {2, 3, 18, "CPU Win", "Round:2 CPU=15,Player=20,tie=1", "2-1", "cpu_win"},
        {2, 17, 17, "It's tie", "Round:2 CPU=10,Player=20,tie=2", "3-1", "tie_play"},
        {2, 12, 12, "It's tie", "Round:2 CPU=10,Player=20,tie=2", "3-1", "tie_play"},
        {1, 15, 18, "CPU Win", "", "", "cpu_win"},
        {1, 14, 13, "CPU Win", "Round:2 CPU=35,Player=20,tie=1", "1-3", "cpu_win"},
    };
    for (const auto &c : cases)
        QTest::addRow("mode %d: CPU %d, player %d", c.mode, c.cpu, c.player)
            << c.mode << c.cpu << c.player << c.banner << c.score << c.caseLine << c.sound;
}

// Round 2 of a match that stands at CPU 10, player 20, one tie.
void tst_match::roundJudgement()
{
    QFETCH(int, mode);
    QFETCH(int, cpu);
    QFETCH(int, player);
    QFETCH(QString, score);
    QFETCH(QString, caseLine);
    Game game;
    Dorvek &w = *game.window;
    Play_mode = mode;
    Round_count = 2;
    CPU_card = cpu;
    Player_card = player;
    w.cpu_points = 10;
    w.player_points = 20;
    w.tie_count = 1;
    w.label_score->setText(QStringLiteral("unchanged"));
    game.trace.take();

    w.win_lose_check();

    QVERIFY(w.label_round->isVisibleTo(&w));
    QTEST(w.label_round->text(), "banner");
    QCOMPARE(w.label_score->text(), score.isEmpty() ? QStringLiteral("unchanged") : score);
    std::string expected = "===win_lose_check()===\nCPU_card=" + std::to_string(cpu)
                           + ",Player_card=" + std::to_string(player)
                           + "\n===win_lose_check()===\n";
    if (!caseLine.isEmpty())
        expected += "win_lose_check() " + caseLine.toStdString() + "\n";
    QCOMPARE(game.trace.take(), expected);
    QFETCH(QString, sound);
    QCOMPARE(game.sounds.files(), QStringList{QStringLiteral("wave/%1.wav").arg(sound)});
    QCOMPARE(CPU_card, cpu);
    QCOMPARE(Player_card, player);

    QCOMPARE(game.clock.pendingCount("cpu_player_on_screen"), 1);
    QCOMPARE(game.clock.pendingCount("cpu_open_card_unshow_screen"), 1);
    QCOMPARE(game.clock.pendingCount("game_over_data_clear"), mode == MODE_WATCHING ? 1 : 0);
    // The mascot stands by the deck while a free-play match goes on and
    // returns to the message panel when a watching match is judged.
    QCOMPARE(w.label_mascot_a->isVisibleTo(&w), mode == MODE_WATCHING);
    QCOMPARE(w.label_mascot_b->isVisibleTo(&w), mode != MODE_WATCHING);
}

void tst_match::tieIsHeardBeforeItIsShown()
{
    Game game;
    Dorvek &w = *game.window;
    Play_mode = MODE_FREE_PLAY;
    Round_count = 1;
    CPU_card = Player_card = 13;
    w.label_round->hide();
    QString bannerWhenHeard = QStringLiteral("not heard");
    {
        const SoundSinkOverride heard([&](const QString &) {
            bannerWhenHeard = w.label_round->isVisibleTo(&w) ? w.label_round->text() : QString();
        });
        w.win_lose_check();
    }
    QCOMPARE(bannerWhenHeard, QString());
    QCOMPARE(w.label_round->text(), QStringLiteral("It's tie"));
}

void tst_match::matchVerdict_data()
{
    QTest::addColumn<int>("cpuPoints");
    QTest::addColumn<int>("playerPoints");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<int>("row");
    QTest::newRow("CPU ahead") << 65 << 15 << "CPU win Victory" << 1;
    QTest::newRow("player ahead") << 40 << 45 << "Player win Victory" << 2;
    QTest::newRow("level") << 45 << 45 << "It's tie" << 3;
}

void tst_match::matchVerdict()
{
    QFETCH(int, cpuPoints);
    QFETCH(int, playerPoints);
    QFETCH(int, row);
    Game game;
    Dorvek &w = *game.window;
    Play_mode = MODE_FREE_PLAY;
    Round_count = 3;
    w.cpu_points = cpuPoints;
    w.player_points = playerPoints;
    w.tie_count = 1;
    w.label_mascot_a->hide();
    w.label_mascot_b->show();
    game.trace.take();

    w.second_round();

    QTEST(w.label_round->text(), "banner");
    QVERIFY(w.label_round->isVisibleTo(&w));
    QCOMPARE(game.trace.take(), "win_lose_check() 4-" + std::to_string(row) + "\n");
    QVERIFY(game.sounds.played().isEmpty());
    // The final score line names round 3 although the counter is back at 0.
    QCOMPARE(w.label_score->text(),
             QStringLiteral("Round:3 CPU=%1,Player=%2,tie=1").arg(cpuPoints).arg(playerPoints));
    QCOMPARE(w.score_text, w.label_score->text());
    QCOMPARE(Round_count, 0);
    QCOMPARE(Play_mode, int(MODE_FREE_PLAY));
    QVERIFY(w.label_mascot_a->isVisibleTo(&w));
    QVERIFY(!w.label_mascot_b->isVisibleTo(&w));

    QCOMPARE(game.clock.runUntil("game_over_data_clear"), 1200);
    QCOMPARE(game.clock.runUntil("Gameover_unshow"), 1200 + 2500 + 5500);
    QCOMPARE(Play_mode, int(MODE_DEMO));
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:0 CPU=0,Player=0,tie=0"));
}

void tst_match::freePlayTimeline()
{
    Game game;
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4}));
    game.clock.advance(700);
    const qint64 t0 = game.clock.now();
    game.chooseFreePlay();
    game.clock.clearHistory();

    QCOMPARE(game.untilPlayerTurn() - t0, 12000);
    QCOMPARE(stepsBetween(game.clock, t0, t0 + 12000), shifted(freePlayOpening, t0));

    // The player takes a while over each round; the chain waits for the stop.
    const qint64 thinking[] = {2300, 40, 17000};
    qint64 stop = 0;
    for (int round = 1; round <= 3; ++round) {
        game.clock.advance(thinking[round - 1]);
        QVERIFY(game.window->button_stop_card->isEnabled());
        stop = game.clock.now();
        game.window->button_stop_card->click();
        QVERIFY(!game.window->button_stop_card->isEnabled());
        if (round < 3) {
            game.clock.advanceTo(stop + 14500);
            QCOMPARE(stepsBetween(game.clock, stop, stop + 14500), shifted(afterStop, stop));
        }
    }
    game.clock.advanceTo(stop + 20200);
    // The last round is judged as every other, up to where the next would be dealt.
    Timeline ending = afterStop.mid(0, afterStop.indexOf({6000, "second_round"}) + 1);
    ending += Timeline{
        {7200, "game_over_data_clear"},
        {9700, "Gameover_show"},
        {15200, "Gameover_unshow"},
        {20200, "demo_talk1"},
    };
    QCOMPARE(stepsBetween(game.clock, stop, stop + 20200), shifted(ending, stop));
    QCOMPARE(game.window->label_message->text(), QStringLiteral("I am Mirrit"));
}

void tst_match::watchingTimeline()
{
    Game game;
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8}));
    game.chooseWatching();
    game.clock.clearHistory();
    game.clock.advance(33500);
    const Timeline expected = {
        {500, "start_timer1_show"},
        {4000, "start_timer2_unshow"},
        {5500, "CPU_turn_show"},
        {7000, "CPU_turn_unshow"},
        {8500, "cpu_close_card_cpu"},
        {9000, "PLAYER_turn_show_watching"},
        {10500, "PLAYER_turn_unshow_watching"},
        {12000, "autoplay_close_drawcard_player"},
        {13800, "cpu_open_card_show_screen"},
        {15300, "cpu_open_card"},
        {17800, "cpu_player_on_screen"},
        {17800, "cpu_open_card_unshow_screen"},
        {19300, "cpu_player_off_screen"},
        {20500, "game_over_data_clear"},
        {23000, "Gameover_show"},
        {28500, "Gameover_unshow"},
        {33500, "demo_talk1"},
    };
    QCOMPARE(stepsBetween(game.clock, 0, 33500), expected);
    QCOMPARE(game.sounds.files(),
             (QStringList{"wave/1.wav", "wave/array_sound.wav", "wave/array_sound.wav",
                          "wave/cpu_win.wav", "wave/game_over.wav"}));
}

// What a viewer sees of a watching match, step by step.
void tst_match::bannersAlongTheWatchingMatch()
{
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8}));
    game.chooseWatching();
    QCOMPARE(w.label_mode->text(), QStringLiteral("<Font color=red>Watching mode Play</Font>"));
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:1 CPU=0,Player=0,tie=0"));

    const struct
    {
        qint64 time;
        const char *banner;
        bool shown;
        const char *cpuTotal, *playerTotal;
    } views[] = {
        {500, "Round1", true, nullptr, nullptr},
        {4000, "Round1", false, nullptr, nullptr},
        {5500, "It's CPU play now", true, nullptr, nullptr},
        {9000, "It's your play now", true, nullptr, nullptr},
        {13800, "CPU card open", true, nullptr, nullptr},
        {15300, "CPU Win", true, nullptr, nullptr},
        {17800, "CPU Win", false, "CPU:15", "Player:18"},
        {19300, "CPU Win", false, nullptr, nullptr},
        {20500, "", false, nullptr, nullptr},
        {23000, "Game over", true, nullptr, nullptr},
        {28500, "", true, nullptr, nullptr},
    };
    for (const auto &view : views) {
        game.clock.advanceTo(view.time);
        const QByteArray at = QByteArray::number(view.time);
        QVERIFY2(w.label_round->text() == QLatin1String(view.banner), at);
        QVERIFY2(w.label_round->isVisibleTo(&w) == view.shown, at);
        QVERIFY2(w.label_cpu_total->isVisibleTo(&w) == (view.cpuTotal != nullptr), at);
        if (view.cpuTotal) {
            QCOMPARE(w.label_cpu_total->text(), QLatin1String(view.cpuTotal));
            QCOMPARE(w.label_player_total->text(), QLatin1String(view.playerTotal));
        }
    }
    QCOMPARE(w.label_mode->text(), QStringLiteral("<Font color=red>Demo mode play</Font>"));
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:0 CPU=0,Player=0,tie=0"));
}

void tst_match::stepsOutsideTheirConditionDoNothing_data()
{
    QTest::addColumn<QByteArray>("step");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("acts");
    QTest::newRow("Round1 in round 2 of free play")
        << QByteArray("start_timer1_show") << 2 << 2 << false;
    QTest::newRow("Round1 in round 2 of watching")
        << QByteArray("start_timer1_show") << 1 << 2 << false;
    QTest::newRow("Round1 at match entry") << QByteArray("start_timer1_show") << 2 << 1 << true;
    QTest::newRow("Round1 with no match running")
        << QByteArray("start_timer1_show") << 0 << 0 << true;
    QTest::newRow("next round in watching mode") << QByteArray("second_round") << 1 << 1 << false;
    QTest::newRow("next round with no match") << QByteArray("second_round") << 0 << 0 << false;
    QTest::newRow("next round in free play") << QByteArray("second_round") << 2 << 1 << true;
}

void tst_match::stepsOutsideTheirConditionDoNothing()
{
    QFETCH(QByteArray, step);
    QFETCH(int, mode);
    QFETCH(int, round);
    QFETCH(bool, acts);
    Game game;
    Dorvek &w = *game.window;
    game.clock.stop(w.timer_demo);
    Play_mode = mode;
    Round_count = round;
    w.label_round->hide();
    const QString scoreBefore = w.label_score->text();

    QMetaObject::invokeMethod(&w, step.constData());

    QCOMPARE(game.clock.pendingCount() > 0, acts);
    QCOMPARE(w.label_round->isVisibleTo(&w), acts);
    QCOMPARE(!game.sounds.played().isEmpty(), acts);
    if (!acts) {
        QCOMPARE(Round_count, round);
        QCOMPARE(w.label_score->text(), scoreBefore);
    }
}

// A match can be chosen again only once the last one has been reset; chosen
// then, it plays as normal.
void tst_match::modeActionsWaitForTheReset()
{
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8}));
    game.chooseWatching();
    QVERIFY(!w.action_watching->isEnabled());
    QVERIFY(!w.action_free_play->isEnabled());

    game.clock.runUntil("game_over_data_clear");
    QVERIFY(!w.action_free_play->isEnabled());
    w.action_free_play->trigger();
    QCOMPARE(Play_mode, int(MODE_WATCHING));

    game.clock.runUntil("Gameover_unshow");
    QVERIFY(w.action_watching->isEnabled());
    QVERIFY(w.action_free_play->isEnabled());

    const qint64 chosen = game.clock.now();
    game.chooseFreePlay();
    QCOMPARE(Round_count, 1);
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:1 CPU=0,Player=0,tie=0"));
    QCOMPARE(game.untilPlayerTurn() - chosen, 12000);
    QVERIFY(w.button_get_card->isEnabled());
    for (int round = 1; round <= 3; ++round) {
        w.button_stop_card->click();
        if (round < 3)
            game.untilPlayerTurn();
    }
    QVERIFY(game.clock.runUntil("game_over_data_clear") > 0);
    QVERIFY(QStringList({"CPU win Victory", "Player win Victory", "It's tie"})
                .contains(w.label_round->text())
            || w.label_round->text().isEmpty());
    QCOMPARE(game.clock.pendingCount("demo_talk1"), 0);
    game.clock.runUntil("Gameover_unshow");
    QCOMPARE(game.clock.pendingCount("demo_talk1"), 1);
}

QTEST_MAIN(tst_match)
#include "tst_match.moc"
