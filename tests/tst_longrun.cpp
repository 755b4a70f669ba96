// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A day in one process: the game holds no more objects at its end than after
// its first hour.

#include "dialogs/config_dorvek.h"
#include "match/match_state.h"
#include "services/sound_board.h"
#include "services/step_clock.h"
#include "services/trace.h"
#include "support/monkey.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSoundEffect>
#include <QtTest>

#include <random>

namespace {

const qint64 hour = 3600 * 1000;

struct Census
{
    int objects = 0; // the window's descendants, sound effects' innards aside
    int timers = 0;
    int soundEffects = 0;
    int soundFiles = 0;
    int widgets = 0;

    QString toString() const
    {
        return QStringLiteral("%1 objects, %2 timers, %3 sound effects for %4 files, %5 widgets")
            .arg(objects)
            .arg(timers)
            .arg(soundEffects)
            .arg(soundFiles)
            .arg(widgets);
    }
};

void count(const QObject &parent, Census &census, QSet<QUrl> &sources)
{
    for (const QObject *child : parent.children()) {
        ++census.objects;
        if (qobject_cast<const QTimer *>(child))
            ++census.timers;
        if (const auto *effect = qobject_cast<const QSoundEffect *>(child)) {
            ++census.soundEffects;
            sources.insert(effect->source());
            continue;
        }
        count(*child, census, sources);
    }
}

Census takeCensus(const Dorvek &w)
{
    // Objects let go of are deleted by the event loop; let it do so first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Census census;
    QSet<QUrl> sources;
    count(w, census, sources);
    census.soundFiles = int(sources.size());
    census.widgets = int(QApplication::allWidgets().size());
    return census;
}

// The real clock, hurried: every delay shortened by `factor`.
class HurriedClock final : public StepClock
{
public:
    explicit HurriedClock(int factor)
        : m_real(StepClock::current())
        , m_factor(factor)
    {}

    void singleShot(int ms, QObject *receiver, const char *member) override
    {
        m_real.singleShot(ms / m_factor, receiver, member);
    }
    void cancel(QObject *receiver, const char *member) override { m_real.cancel(receiver, member); }
    void start(QTimer *timer, int ms) override { m_real.start(timer, ms / m_factor); }
    void stop(QTimer *timer) override { m_real.stop(timer); }

private:
    StepClock &m_real;
    int m_factor;
    StepClockOverride m_installed{this};
};

} // namespace

class tst_longrun : public QObject
{
    Q_OBJECT

private slots:
    void aDayOfDemonstrationAndMatches();
    void realTimersAreLetGo();
};

// Each hour: the demonstration alone for twenty minutes, a dozen matches
// with the dialogs opened now and then, and the demonstration again.
void tst_longrun::aDayOfDemonstrationAndMatches()
{
    Game game;
    Dorvek &w = *game.window;
    const SoundSinkOverride realSounds({}); // made and kept by the game
    w.show();
    std::mt19937 random(24);
    QList<Census> hourly;
    int matches = 0;
    for (int h = 0; h < 24; ++h) {
        game.clock.advanceTo(h * hour + 20 * 60 * 1000);
        for (int m = 0; m < 12; ++m) {
            const bool dialog = random() % 4 == 0;
            if (dialog)
                w.action_config->trigger();
            const bool played = random() % 2 ? playFreePlay(game, int(random() % 4))
                                             : playWatching(game);
            QVERIFY2(played, qPrintable(QStringLiteral("match %1 stalled").arg(matches + 1)));
            ++matches;
            if (dialog)
                w.config_dialog->button_ok->click();
            game.clock.advance(random() % 20000);
            QCoreApplication::processEvents();
            game.trace.take();
            game.clock.clearHistory();
        }
        game.clock.advanceTo((h + 1) * hour);
        const QString broken = brokenInvariant(w, game.clock, false);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        hourly << takeCensus(w);
    }
    QCOMPARE(matches, 24 * 12);
    const Census &first = hourly.first();
    const Census &last = hourly.last();
    qInfo("after the first hour: %s; after a day: %s", qPrintable(first.toString()),
          qPrintable(last.toString()));
    for (int h = 1; h < hourly.size(); ++h) {
        const Census &now = hourly[h];
        const QByteArray at = "hour " + QByteArray::number(h + 1) + ": " + now.toString().toUtf8();
        QVERIFY2(now.timers == first.timers && now.widgets == first.widgets, at);
        // A sound heard for the first time may add its one effect, no more.
        QVERIFY2(now.objects - now.soundEffects == first.objects - first.soundEffects, at);
        QVERIFY2(now.soundEffects == now.soundFiles && now.soundFiles <= 10, at);
    }
}

// On the real clock every step has a timer of its own; none may stay behind
// once it has fired or been dropped.
void tst_longrun::realTimersAreLetGo()
{
    resetMatchState();
    TraceCapture trace;
    const SoundSinkOverride quiet([](const QString &) {});
    HurriedClock clock(100);
    Dorvek w;
    // Into the demonstration's rest, once its last step has cleared the
    // table: its next run stays pending through the first match, and the end
    // of that match drops it.
    const auto resting = [&w] {
        return w.label_message->text() == QLatin1String("Next Play is you")
               && w.label_cpu_card1->pixmap().isNull();
    };
    QVERIFY(QTest::qWaitFor(resting, 5000));
    const auto timers = [&w] {
        return w.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    };
    for (int match = 0; match < 3; ++match) {
        if (match == 1) {
            w.action_free_play->trigger();
            for (int round = 1; round <= 3; ++round) {
                QVERIFY(QTest::qWaitFor([&w] { return w.button_stop_card->isEnabled(); }, 5000));
                w.button_stop_card->click();
            }
        } else {
            w.action_watching->trigger();
        }
        QVERIFY(QTest::qWaitFor([] { return Play_mode == MODE_DEMO; }, 5000));
        // timer_demo, and the timer of the demonstration's next step, once
        // the fired timers' deletion (itself an event) has come.
        QTRY_COMPARE(timers().size(), 2);
        QVERIFY(timers().contains(w.timer_demo));
    }
}

QTEST_MAIN(tst_longrun)
#include "tst_longrun.moc"
