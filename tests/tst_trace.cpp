// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole matches played on simulated time and held against traces written
// out beforehand, byte for byte, with the moment every step fires. The
// trace is read by people following a match step by step, so a line out of
// place, a missing look-ahead block or a timer off by a few hundred
// milliseconds all count as faults here.

#include "support/harness.h"
#include "match/match_state.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <numeric>
#include <string>
#include <vector>

namespace {

// How the test plays the human side of every round.
enum class Policy {
    StopAtOnce,  // keeps the first card
    ThreeDraws,  // draws the three cards allowed, then stops
    FivePresses, // presses "more Get card" twice more after the third card
    OverFifteen, // draws until the hand is over 15 (at most three cards)
};

// Numbers for the reshuffle at the end of a match: 0, 1, ... 51 give the
// deck 52, 51, 3, 4, ... 49, 2, 1, 50, so a following match has a known deck.
std::vector<int> countingNumbers()
{
    std::vector<int> numbers(52);
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}

std::vector<int> toVector(const QList<int> &values)
{
    return std::vector<int>(values.begin(), values.end());
}

QByteArray readData(const QString &name)
{
    QFile file(QStringLiteral(TRACE_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing expected data %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Every fired step since `origin`, one "time slot" line each, times taken
// from the menu action that started the match.
QByteArray timeline(const SimClock &clock, qint64 origin)
{
    QByteArray text;
    for (const SimClock::Fired &step : clock.history())
        text += QByteArray::number(step.time - origin) + ' ' + step.slot + '\n';
    return text;
}

// Empty when equal; otherwise where the first difference lies, so a failure
// names the data file line to look at.
QString firstDifference(const QByteArray &actual, const QByteArray &expected, const QString &file)
{
    if (actual == expected)
        return {};
    const QList<QByteArray> got = actual.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    for (int i = 0; i < qMax(got.size(), want.size()); ++i) {
        const QByteArray g = i < got.size() ? got[i] : QByteArray("<end of trace>");
        const QByteArray w = i < want.size() ? want[i] : QByteArray("<end of trace>");
        if (g != w)
            return QStringLiteral("%1:%2\n   expected: %3\n   actual:   %4")
                .arg(file)
                .arg(i + 1)
                .arg(QString::fromLatin1(w), QString::fromLatin1(g));
    }
    return file + QStringLiteral(": differs"); // not reached: split keeps every byte
}

#define COMPARE_WITH_FILE(actual, file) \
    do { \
        const QString diff_ = firstDifference((actual), readData(file), (file)); \
        QVERIFY2(diff_.isEmpty(), qPrintable(diff_)); \
    } while (false)

QByteArray takeTrace(Game &g)
{
    return QByteArray::fromStdString(g.trace.take());
}

// One round of the human side: `pauses` (cycled over the whole match) is the
// thinking time before each press.
void playTurn(Game &g, Policy policy, const QList<int> &pauses, int &press)
{
    auto pressAfterPause = [&](QPushButton *button) {
        g.clock.advance(pauses[press++ % pauses.size()]);
        button->click();
    };
    int draws = 0;
    switch (policy) {
    case Policy::StopAtOnce:
        draws = 0;
        break;
    case Policy::ThreeDraws:
        draws = 3;
        break;
    case Policy::FivePresses:
        draws = 5;
        break;
    case Policy::OverFifteen:
        draws = -1;
        break;
    }
    if (draws < 0) {
        for (int drawn = 0; Player_card <= 15 && drawn < 3; ++drawn)
            pressAfterPause(g.window->button_get_card);
    } else {
        for (int i = 0; i < draws; ++i)
            pressAfterPause(g.window->button_get_card);
    }
    pressAfterPause(g.window->button_stop_card);
}

// Three rounds from the menu action to the demonstration's first step.
void playFreePlay(Game &g, Policy policy, const QList<int> &pauses)
{
    int press = 0;
    g.chooseFreePlay();
    for (int round = 1; round <= 3; ++round) {
        if (g.clock.runUntil("player_turn") < 0)
            return; // the chain broke; the trace comparison shows where
        playTurn(g, policy, pauses, press);
    }
    g.clock.runUntil("demo_talk1");
}

} // namespace

Q_DECLARE_METATYPE(Policy)

class tst_trace : public QObject
{
    Q_OBJECT

private slots:
    void freePlayMatch_data();
    void freePlayMatch();
    void secondMatchCarriesTheNeverResetCounters();
    void watchingMatch();
    void liveThroughAPipeAndKeptAfterSigterm();
};

void tst_trace::freePlayMatch_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<Policy>("policy");
    QTest::addColumn<QList<int>>("pauses");
    QTest::addColumn<QString>("name");

    // CPU cards per round: 1, 4, 1. Round judgements 1-7, tie, 2-7; match tie.
    // Stops at once, then after 2.5 s, then after a minute.
    QTest::newRow("stop at once") << QList<int>{10, 6, 1, 2, 3, 4, 10, 6, 10} << Policy::StopAtOnce
                                  << QList<int>{0, 2500, 61000} << "free_play_stop_at_once";
    // CPU cards 2, 1, 4: the third draw prints the "==3-2" lines in round 1
    // and the "==3-4" lines in round 3. Player wins 2-2, 2-3; CPU 2-1.
    QTest::newRow("three draws") << QList<int>{8, 4, 4, 5, 3, 3, 10, 10, 1, 1,
                                               2, 2, 2, 1, 1, 6, 7,  8,  9}
                                 << Policy::ThreeDraws << QList<int>{750, 1200}
                                 << "free_play_three_draws";
    // CPU cards 3, 2, 2: presses four and five deal nothing; round 3 asks
    // twice after the third card and prints the round-3 "==3-2" lines.
    QTest::newRow("five presses") << QList<int>{5, 5, 5, 1, 2, 1, 2, 7, 6, 3,
                                                4, 4, 4, 8, 5, 3, 3, 2, 2}
                                  << Policy::FivePresses << QList<int>{400, 0, 3000}
                                  << "free_play_five_presses";
    // CPU cards 4, 3, 3; the player busts after one, two and three draws. In
    // round 3 the CPU holds exactly 15, so its win scores nothing.
    QTest::newRow("over fifteen") << QList<int>{2, 3, 4, 5, 9, 8, 5, 5, 4, 10,
                                                1, 6, 3, 6, 6, 1, 2, 3, 10}
                                  << Policy::OverFifteen << QList<int>{5000, 250}
                                  << "free_play_over_fifteen";
}

void tst_trace::freePlayMatch()
{
    QFETCH(QList<int>, values);
    QFETCH(Policy, policy);
    QFETCH(QList<int>, pauses);
    QFETCH(QString, name);

    Game g;
    ScriptedRandom numbers(countingNumbers());
    putDeck(deckWithValues(toVector(values)));
    g.trace.take();

    playFreePlay(g, policy, pauses);

    COMPARE_WITH_FILE(takeTrace(g), name + ".trace");
    COMPARE_WITH_FILE(timeline(g.clock, 0), name + ".timeline");
}

void tst_trace::secondMatchCarriesTheNeverResetCounters()
{
    // The first match leaves count at 4 (round 3 CPU held four), count_n at 5
    // and ten reveal-log entries; the second plays on the reshuffled deck, so
    // its CPU holds 1, 3 and 2 cards.
    Game g;
    ScriptedRandom numbers(countingNumbers());
    putDeck(deckWithValues({8, 4, 4, 5, 3, 3, 10, 10, 1, 1, 2, 2, 2, 1, 1, 6, 7, 8, 9}));
    g.trace.take();

    playFreePlay(g, Policy::ThreeDraws, {750, 1200});
    COMPARE_WITH_FILE(takeTrace(g), "free_play_three_draws.trace");

    // Chosen two seconds into the demonstration, whose next step then falls
    // inside the new match.
    g.clock.advance(2000);
    const qint64 origin = g.clock.now();
    g.clock.clearHistory();
    playFreePlay(g, Policy::StopAtOnce, {1500});

    COMPARE_WITH_FILE(takeTrace(g), "second_match_after_three_draws.trace");
    COMPARE_WITH_FILE(timeline(g.clock, origin), "second_match_after_three_draws.timeline");
}

void tst_trace::watchingMatch()
{
    // CPU holds 10 + 5 = 15; the automatic player looks at 3, 4, 2, 8, takes
    // four cards 9, 3, 4, 2 and ends on 18: a CPU win worth nothing.
    Game g;
    ScriptedRandom numbers({0});
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8}));
    g.trace.take();

    g.chooseWatching();
    g.clock.runUntil("demo_talk1");

    COMPARE_WITH_FILE(takeTrace(g), "watching.trace");
    COMPARE_WITH_FILE(timeline(g.clock, 0), "watching.timeline");
}

// The game itself, its standard output a pipe, as under `dorvek | tee`:
// its 35 start-up lines (the Play_mode line, the deck before and after the
// shuffle, whose last line is not ended, and the shuffle's numbers) arrive
// while it runs and are all still there once SIGTERM has ended it.
void tst_trace::liveThroughAPipeAndKeptAfterSigterm()
{
#ifndef Q_OS_UNIX
    QSKIP("ends the game with SIGTERM");
#endif
    QProcess game;
    game.start(QStringLiteral(DORVEK_BINARY), {});
    QByteArray out;
    while (out.count("buf_card[51]=") < 2 && game.waitForReadyRead(10000))
        out += game.readAllStandardOutput();
    QVERIFY2(out.startsWith("Play_mode=0\n") && game.state() == QProcess::Running, out.constData());
    game.terminate();
    QVERIFY(game.waitForFinished(10000));
    out += game.readAllStandardOutput();
    QCOMPARE(out.split('\n').size(), 35);
    QVERIFY2(out.endsWith(','), out.constData());
}

QTEST_MAIN(tst_trace)
#include "tst_trace.moc"
