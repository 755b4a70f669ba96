#include "app/step_clock.h"

#include <QByteArray>
#include <QTimer>
#include <QVariant>

namespace {

const char *const stepProperty = "dorvekStep";

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
        timer->setProperty(stepProperty, QByteArray(member));
        QObject::connect(timer, SIGNAL(timeout()), receiver, member);
        QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
        timer->start(ms);
    }

    void cancel(QObject *receiver, const char *member) override
    {
        const QByteArray wanted(member);
        const auto timers = receiver->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        for (QTimer *timer : timers) {
            if (timer->isActive() && timer->property(stepProperty).toByteArray() == wanted) {
                timer->stop();
                timer->deleteLater();
            }
        }
    }

    void start(QTimer *timer, int ms) override
    {
        timer->setTimerType(Qt::PreciseTimer);
        timer->start(ms);
    }

    void stop(QTimer *timer) override { timer->stop(); }
};

RealStepClock realClock;
StepClock *installed = nullptr;

}

StepClock &StepClock::current()
{
    return installed ? *installed : realClock;
}

void StepClock::install(StepClock *clock)
{
    installed = clock;
}
