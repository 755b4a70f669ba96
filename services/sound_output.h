// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// What the sound board hands its sounds to. The one implementation lives in
// the sound module (dorvek_sound), which links Qt Multimedia and the sound
// server's client library, so that the game itself does not load them
// before its first frame.
class SoundOutput : public QObject
{
public:
    using QObject::QObject;

    // Gets the wave files at the absolute `paths` ready to play, without
    // waiting, so that none of them costs a step of the game time later.
    virtual void prepare(const QStringList &paths) = 0;
    // Plays the wave file at the absolute `path` once, without waiting.
    virtual void play(const QString &path) = 0;
};

// The module's one exported function, looked up by this name.
inline constexpr char SOUND_OUTPUT_FACTORY[] = "dorvek_create_sound_output";
extern "C" {
using SoundOutputFactory = SoundOutput *(*)(QObject *parent);
}
