// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/step_clock.h"
#include "support/hooks.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTimer>

// Simulated time for the game's steps: nothing runs until the test moves
// the clock on, and then every step falls due in order, at its exact time.
// It stands in for the real clock for as long as it lives.
class SimClock final : public StepClock
{
public:
    struct Fired
    {
        qint64 time;
        QByteArray slot; // the slot's name, or "timeout" for a timer object
    };

    void singleShot(int ms, QObject *receiver, const char *member) override;
    void cancel(QObject *receiver, const char *member) override;
    void start(QTimer *timer, int ms) override;
    void stop(QTimer *timer) override;

    qint64 now() const { return m_now; }
    // Runs everything that falls due within the next `ms` milliseconds.
    void advance(qint64 ms);
    void advanceTo(qint64 time);
    // Runs the next pending step, however far away; false when none is left.
    bool runNext();
    // Runs until `slot` has fired (or `limit` ms have passed); its time or -1.
    qint64 runUntil(const QByteArray &slot, qint64 limit = 3600 * 1000);

    int pendingCount() const { return m_pending.size(); }
    int pendingCount(const QByteArray &slot) const;
    bool timerArmed(const QTimer *timer) const;
    const QList<Fired> &history() const { return m_history; }
    void clearHistory() { m_history.clear(); }

private:
    struct Pending
    {
        qint64 due;
        quint64 order;
        QPointer<QObject> receiver;
        QByteArray slot;
        QPointer<QTimer> timer;
    };

    void add(Pending pending);
    void fire(const Pending &pending);

    qint64 m_now = 0;
    quint64 m_order = 0;
    QList<Pending> m_pending; // kept sorted by due time, then by order
    QList<Fired> m_history;
    StepClockOverride m_installed{this};
};

// The plain slot name of a SLOT() string: "1demo_talk1()" gives "demo_talk1".
QByteArray slotName(const char *member);
