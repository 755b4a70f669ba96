// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class SoundOutput;

// Plays the game's wave files without waiting for them. The sound module (Qt
// Multimedia, the sound server's client library and the sound effects) costs
// about 10 ms and 6 MiB, which the window's first frame and the
// demonstration, silent both, have no use for: it is loaded when a match is
// chosen, half a second before its first sound, and then gets every file of
// the game ready. Where the module cannot be loaded the game is silent.
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    // Gets `files` ready once loaded.
    SoundBoard(QObject *parent, const QStringList &files);

    // Loads the sound module on the next turn of the event loop, unless it
    // is loaded; a sound asked for before that loads it at once.
    void loadSoon();
    void play(const QString &file);

    using Sink = std::function<void(const QString &file)>;
    // Tests listen here instead of the loudspeaker; empty restores it.
    static void setSink(Sink sink);

private:
    void loadOutput();

    QStringList m_files;
    bool m_loaded = false;
    SoundOutput *m_output = nullptr;
};
