// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

// Plays the game's wave files without waiting for them. Each file gets one
// effect, made on its first use and replayed after that: a run that lasts
// for days holds at most one effect per file and never has to guess when a
// sound has finished (without an audio device an effect may never say so).
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    explicit SoundBoard(QObject *parent = nullptr);

    void play(const QString &file);

    using Sink = std::function<void(const QString &file)>;
    // Tests listen here instead of the loudspeaker; empty restores it.
    static void setSink(Sink sink);

private:
    QHash<QString, QSoundEffect *> effects;
};
