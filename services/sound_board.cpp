// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_board.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {
SoundBoard::Sink &sink()
{
    static SoundBoard::Sink instance;
    return instance;
}

// Qt never finishes loading a wave file that stops short of what its header
// announces (an empty file, a copy cut off), and from then on destroying any
// sound effect waits for that load: the game would hang as it closes. Such a
// file stays silent instead.
bool is_whole_wave(const QString &path)
{
    // A FIFO or a device in place of a sound would block the game in open().
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || !riff.endsWith("WAVE"))
        return false;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() != 8)
            return false;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (size > file.size() - file.pos())
            return false;
        if (chunk.startsWith("data"))
            return true;
        file.seek(file.pos() + size + (size & 1));
    }
}
}

SoundBoard::SoundBoard(QObject *parent)
    : QObject(parent)
{
}

void SoundBoard::play(const QString &file)
{
    if (sink()) {
        sink()(file);
        return;
    }
    QSoundEffect *effect = effects.value(file);
    if (!effect) {
        // A bare relative path may fail to decode; the working directory's
        // absolute path always works.
        const QString path = QDir::current().absoluteFilePath(file);
        if (!is_whole_wave(path))
            return;
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        effects.insert(file, effect);
    }
    effect->play();
}

void SoundBoard::setSink(Sink newSink)
{
    sink() = std::move(newSink);
}
