// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/dorvek.h"
#include "support/hooks.h"
#include "support/sim_clock.h"

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;

// Collects the trace instead of printing it.
class TraceCapture
{
public:
    TraceCapture();
    const std::string &text() const { return m_text; }
    std::string take();

private:
    std::string m_text;
    TraceSinkOverride m_sink;
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
    const QList<Played> &played() const { return m_played; }
    QStringList files() const;
    void clear() { m_played.clear(); }

private:
    QList<Played> m_played;
    SoundSinkOverride m_sink;
};

// Everything the game says to the screen reader, in the order it goes out.
class SpeechLog
{
public:
    SpeechLog();
    const QStringList &said() const { return m_said; }

private:
    QStringList m_said;
    SpeechListenerOverride m_listener;
};

// Feeds the shuffle chosen random numbers, round and round.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::vector<int> numbers);

private:
    std::vector<int> m_numbers;
    size_t m_next = 0;
    RandomSourceOverride m_source;
};

// A translation file installed for as long as the object lives; an empty
// name installs none and leaves the built-in English.
class ScopedTranslation
{
public:
    explicit ScopedTranslation(const QString &file);
    ~ScopedTranslation();
    // False when a file was named and could not be loaded.
    bool isLoaded() const { return m_loaded; }

    Q_DISABLE_COPY_MOVE(ScopedTranslation)

private:
    QTranslator m_translator;
    bool m_loaded = true;
};

// Zeroes the process-wide match state, as at the start of a program.
void resetMatchState();

// A deck whose first cards have the given card values (each 1..10), the
// rest filled with the unused codes in order: always a permutation of 1..52.
std::vector<int> deckWithValues(const std::vector<int> &values);
void putDeck(const std::vector<int> &codes);

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

// The table's card places, left to right.
QList<QLabel *> cpuPlaces(const Dorvek &w);
QList<QLabel *> playerPlaces(const Dorvek &w);

// In one pixel format, so a file and what a label shows compare as equal.
QImage pictureFile(const QString &file);
QImage pictureOf(const QLabel *label);

// Empty when every visible widget below `root` that shows something of its
// own (a label, a button) has its full size in the `checked` directions,
// lies inside `area` of `top` and inside its parent, and overlaps no other,
// and at least `fewest` of them show; otherwise which does not.
QString crampedWidget(QWidget *top, QWidget *root, const QRect &area, Qt::Orientations checked,
                      qsizetype fewest = 5);

// The fullest table of a match: every card place dealt, both totals, the
// mascot beside the deck and the message panel shown; the texts are the
// caller's.
void fillTable(Dorvek &w);
// Shows the window and checks the table below its menu bar as
// crampedWidget() does, in both directions.
QString crampedTable(Dorvek &w, qsizetype fewest = 5);

// Answers the modal message boxes that the game opens, by polling for them
// on a real timer (a box runs its own event loop, so the test cannot answer
// it inline). Each box gets the button `choose` names, or is rejected if it
// has none such, and is noted with its answer.
class BoxAnswerer : public QObject
{
public:
    using Choice = std::function<QMessageBox::StandardButton(const QMessageBox &)>;
    explicit BoxAnswerer(Choice choose);
    // The given answers in turn; boxes beyond them are rejected.
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers);
    struct Seen
    {
        QString title;
        QString text;
        QStringList buttons;
        QMessageBox::StandardButton answer;
    };
    const QList<Seen> &seen() const { return m_seen; }

private:
    void poll();

    Choice m_choose;
    QList<Seen> m_seen;
    QTimer m_timer;
};
