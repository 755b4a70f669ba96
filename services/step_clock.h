// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QObject;
class QTimer;

// The one place through which the game schedules its timed steps. The game
// runs on real timers; the test suite installs a simulated clock so a whole
// match plays in milliseconds.
class StepClock
{
public:
    virtual ~StepClock() = default;

    // Runs `member` (a SLOT() name) of `receiver` once, `ms` from now.
    virtual void singleShot(int ms, QObject *receiver, const char *member) = 0;
    // Drops the pending runs of `member` on `receiver`.
    virtual void cancel(QObject *receiver, const char *member) = 0;
    // Starts and stops a timer object owned by the game.
    virtual void start(QTimer *timer, int ms) = 0;
    virtual void stop(QTimer *timer) = 0;

    static StepClock &current();
    // Passing nullptr goes back to the real clock.
    static void install(StepClock *clock);

    // How well the real clock keeps time, for measuring tools: told when a
    // step (`member` is its SLOT() name) or a timer object of the game
    // (`member` is nullptr) is armed for `ms`, and when a step's timer runs
    // out, just before the step runs; `timer` pairs the two. Nothing is told
    // while no observer is set; nullptr stops it.
    enum class Event { Armed, Fired };
    using Observer = void (*)(Event event, const QTimer *timer, const char *member, int ms);
    static void observe(Observer observer);
};
