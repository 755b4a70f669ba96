// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/step_clock.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QTimer>
#include <QVariant>

namespace {

const char *const STEP_PROPERTY = "dorvekStep";

StepClock::Observer observer = nullptr;

// Linux lets a wait in poll() end late by a thousandth of its length, up to
// 100 ms: 10-second steps came 10 ms late, and the demonstration's
// three-minute rest could end a tenth of a second late. So a pilot timer
// sleeps through all but the last half second of a long delay, and the timer
// itself waits out what is left from there.
const int LAST_LEG = 500;

void startPrecisely(QTimer *timer, int ms)
{
    if (ms <= LAST_LEG) {
        timer->start(ms);
        return;
    }
    const QDeadlineTimer due(ms, Qt::PreciseTimer);
    auto *pilot = new QTimer(timer);
    pilot->setSingleShot(true);
    pilot->setTimerType(Qt::PreciseTimer);
    QObject::connect(pilot, &QTimer::timeout, timer, [timer, pilot, due] {
        pilot->deleteLater();
        timer->start(int(due.remainingTime()));
    });
    pilot->start(ms - LAST_LEG);
}

void stopPrecisely(QTimer *timer)
{
    timer->stop();
    qDeleteAll(timer->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly));
}

// Precise timers: a coarse one fired 3.5 s steps up to 180 ms early or late,
// and the timeline of a round is what the player sees and hears.
class RealStepClock final : public StepClock
{
public:
    void singleShot(int ms, QObject *receiver, const char *member) override
    {
        // A timer of our own rather than QTimer::singleShot, so that a pending
        // step can be dropped; it dies with the receiver.
        auto *timer = new QTimer(receiver);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setProperty(STEP_PROPERTY, QByteArray(member));
        if (observer) {
            // Connected first, so it is told before the step runs.
            QObject::connect(timer, &QTimer::timeout, timer,
                             [timer, ms, name = QByteArray(member)] {
                                 if (observer)
                                     observer(Event::Fired, timer, name.constData(), ms);
                             });
            observer(Event::Armed, timer, member, ms);
        }
        QObject::connect(timer, SIGNAL(timeout()), receiver, member);
        QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
        startPrecisely(timer, ms);
    }

    void cancel(QObject *receiver, const char *member) override
    {
        const QByteArray wanted(member);
        const auto timers = receiver->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        for (QTimer *timer : timers) {
            if (timer->property(STEP_PROPERTY).toByteArray() == wanted) {
                stopPrecisely(timer);
                timer->deleteLater();
            }
        }
    }

    void start(QTimer *timer, int ms) override
    {
        timer->setTimerType(Qt::PreciseTimer);
        if (observer)
            observer(Event::Armed, timer, nullptr, ms);
        stopPrecisely(timer);
        startPrecisely(timer, ms);
    }

    void stop(QTimer *timer) override { stopPrecisely(timer); }
};

RealStepClock realClock;
StepClock *installed = nullptr;

} // namespace

StepClock &StepClock::current()
{
    return installed ? *installed : realClock;
}

void StepClock::install(StepClock *clock)
{
    installed = clock;
}

void StepClock::observe(Observer newObserver)
{
    observer = newObserver;
}
