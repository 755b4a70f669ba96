// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSoundEffect;

// Plays the game's wave files without waiting for them. Each file gets one
// effect, made on its first use and replayed after that: a run that lasts
// for days holds at most one effect per file and never has to guess when a
// sound has finished (without an audio device an effect may never say so).
// Qt's audio is not touched before the local sound server has answered (see
// SoundServerProbe): one that keeps silent leaves the board silent for the
// run, and sounds asked for meanwhile play once it answers. When an effect
// still takes longer than SERVER_STALL_MS to be made or to get ready, the
// board goes silent too.
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    explicit SoundBoard(QObject *parent = nullptr);

    void play(const QString &file);

    // Far beyond loading a short wave file, far below a hung server's wait.
    static constexpr qint64 SERVER_STALL_MS = 5000;

    using Sink = std::function<void(const QString &file)>;
    // Tests listen here instead of the loudspeaker; empty restores it.
    static void setSink(Sink sink);

private:
    QHash<QString, QSoundEffect *> effects;
    bool asking = false;
    bool silent = false;
    QStringList askedMeanwhile;
};
