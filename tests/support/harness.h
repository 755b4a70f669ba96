// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/dorvek.h"
#include "support/sim_clock.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QMessageBox;

// Collects the trace instead of printing it.
class TraceCapture
{
public:
    TraceCapture();
    ~TraceCapture();
    const std::string &text() const { return m_text; }
    std::string take();

private:
    std::string m_text;
};

// Records every sound the game plays, with the simulated time.
class SoundLog
{
public:
    struct Played
    {
        qint64 time;
        QString file;
    };

    explicit SoundLog(const SimClock &clock);
    ~SoundLog();
    const QList<Played> &played() const { return m_played; }
    QStringList files() const;
    void clear() { m_played.clear(); }

private:
    QList<Played> m_played;
};

// Feeds the shuffle chosen random numbers, round and round.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::vector<int> numbers);
    ~ScriptedRandom();

private:
    std::vector<int> m_numbers;
    size_t m_next = 0;
};

// Zeroes the process-wide match state, as at the start of a program.
void reset_match_state();

// A deck whose first cards have the given card values (each 1..10), the
// rest filled with the unused codes in order: always a permutation of 1..52.
std::vector<int> deck_with_values(const std::vector<int> &values);
void put_deck(const std::vector<int> &codes);

// A fresh game on simulated time with its trace and sounds captured.
struct Game
{
    Game();
    ~Game();

    void chooseFreePlay() { window->action_free_play->trigger(); }
    void chooseWatching() { window->action_watching->trigger(); }
    // Runs the chain until the player's turn begins; its time or -1.
    qint64 untilPlayerTurn() { return clock.runUntil("player_turn"); }

    SimClock clock;
    TraceCapture trace;
    SoundLog sounds{clock};
    std::unique_ptr<Dorvek> window;
};

// Answers the modal message boxes that the game opens, by polling for them
// on a short real timer (a box runs its own event loop, so the test cannot
// answer it inline). Records the title and text of each box it answers.
class BoxAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit BoxAnswerer(QList<int> answers);
    struct Seen
    {
        QString title;
        QString text;
    };
    const QList<Seen> &seen() const { return m_seen; }

private slots:
    void poll();

private:
    QList<int> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
};
