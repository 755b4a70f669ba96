// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_board.h"

#include "services/sound_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <utility>
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
    if (SoundServerProbe::socketPath().isEmpty())
        return;
    asking = true;
    new SoundServerProbe(this, [this](bool answered) {
        asking = false;
        silent = !answered;
        const QStringList asked = std::exchange(askedMeanwhile, {});
        for (const QString &file : asked)
            play(file);
    });
}

void SoundBoard::play(const QString &file)
{
    if (sink()) {
        sink()(file);
        return;
    }
    if (silent)
        return;
    if (asking) {
        if (!askedMeanwhile.contains(file))
            askedMeanwhile << file;
        return;
    }
    QSoundEffect *effect = effects.value(file);
    if (effect) {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        return;
    }
    // A bare relative path may fail to decode; the working directory's
    // absolute path always works.
    const QString path = QDir::current().absoluteFilePath(file);
    if (!is_whole_wave(path))
        return;
    // A server the probe could not ask (one not on a local socket) may still
    // hang the audio set-up; then at least no further effect is made.
    QElapsedTimer setUp;
    setUp.start();
    effect = new QSoundEffect(this);
    if (setUp.elapsed() > SERVER_STALL_MS) {
        delete effect;
        silent = true;
        return;
    }
    effects.insert(file, effect);
    // The first play waits for the effect to be ready rather than being
    // queued inside it, so that a late readiness can still call it off.
    auto ready = [this, effect, setUp] {
        if (effect->status() != QSoundEffect::Ready || !effect->property("pending").toBool())
            return;
        effect->setProperty("pending", false);
        if (setUp.elapsed() > SERVER_STALL_MS)
            silent = true;
        else if (!silent)
            effect->play();
    };
    effect->setProperty("pending", true);
    connect(effect, &QSoundEffect::statusChanged, this, ready);
    effect->setSource(QUrl::fromLocalFile(path));
    ready();
}

void SoundBoard::setSink(Sink newSink)
{
    sink() = std::move(newSink);
}
