// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_effects.h"

#ifdef DORVEK_HAS_LIBPULSE
#include "services/sound_server.h"
#endif

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <type_traits>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcSound, "dorvek.sound")

constexpr char PENDING_PLAY[] = "dorvekPendingPlay";

// Qt never finishes loading a wave file that stops short of what its header
// announces (an empty file, a copy cut off), and from then on destroying any
// sound effect waits for that load: the game would hang as it closes. Such a
// file stays silent instead.
bool isWholeWave(const QString &path)
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

// Qt's audio before 6.8 connects anew to a server that went away and came
// back; from 6.8 on it keeps the lost connection, even for effects made
// anew, so there a server that goes away leaves the session silent.
constexpr bool QT_AUDIO_FINDS_A_RESTARTED_SERVER = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

// Runs a call into Qt's audio and tells how long it kept the GUI thread.
template<typename Call>
qint64 timed(Call call)
{
    QElapsedTimer clock;
    clock.start();
    call();
    return clock.elapsed();
}

} // namespace

SoundEffects::SoundEffects(QObject *parent)
    : SoundOutput(parent)
{
#ifdef DORVEK_HAS_LIBPULSE
    m_server = new SoundServer(this);
    connect(m_server, &SoundServer::answered, this, &SoundEffects::playAnswered);
    connect(m_server, &SoundServer::unanswered, this,
            [this](const QString &reason, bool forGood, bool hung) {
                if (forGood || !QT_AUDIO_FINDS_A_RESTARTED_SERVER) {
                    beSilent(reason, hung);
                    return;
                }
                // The sounds of a server being restarted are gone; the next ones
                // play once it is back.
                m_waiting.clear();
                if (!std::exchange(m_away, true))
                    qCInfo(lcSound, "no sound until the sound server is back: %s",
                           qPrintable(reason));
            });
#endif
}

void SoundEffects::prepare(const QStringList &paths)
{
    if (m_silent)
        return;
    m_toPrepare << paths;
    if (!m_server) {
        playAnswered();
        return;
    }
#ifdef DORVEK_HAS_LIBPULSE
    m_server->ask();
#endif
}

void SoundEffects::play(const QString &path)
{
    if (m_silent)
        return;
    if (!m_server) {
        playNow(path);
        return;
    }
    if (!m_waiting.contains(path))
        m_waiting << path;
#ifdef DORVEK_HAS_LIBPULSE
    m_server->ask();
#endif
}

void SoundEffects::playAnswered()
{
    m_away = false;
    for (const QString &path : std::exchange(m_toPrepare, {})) {
        if (!m_silent && !m_effects.contains(path))
            makeEffect(path, false);
    }
    const QStringList answered = std::exchange(m_waiting, {});
    for (const QString &path : answered) {
        if (m_silent)
            return;
        playNow(path);
    }
}

void SoundEffects::playNow(const QString &path)
{
    QSoundEffect *effect = m_effects.value(path);
    if (!effect) {
        makeEffect(path, true);
        return;
    }
    if (effect->status() != QSoundEffect::Ready) {
        effect->setProperty(PENDING_PLAY, true);
        return;
    }
    const qint64 took = timed([effect] { effect->play(); });
    if (took > STALL_MS)
        beSilent(QStringLiteral("Qt's audio waited %1 ms for the sound server").arg(took), true);
}

void SoundEffects::makeEffect(const QString &path, bool playWhenReady)
{
    if (!isWholeWave(path))
        return;
    QSoundEffect *effect = nullptr;
    const qint64 took = timed([&] {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    });
    m_effects.insert(path, effect);
    if (took > STALL_MS) {
        beSilent(QStringLiteral("Qt's audio waited %1 ms for the sound server").arg(took), true);
        return;
    }
    // A play asked before the effect is ready waits for it, then asks the
    // server again: decoding takes a moment, and the server may stop
    // answering in it.
    effect->setProperty(PENDING_PLAY, playWhenReady);
    auto ready = [this, effect, path] {
        if (effect->status() == QSoundEffect::Ready && effect->property(PENDING_PLAY).toBool()) {
            effect->setProperty(PENDING_PLAY, false);
            play(path);
        }
    };
    connect(effect, &QSoundEffect::statusChanged, this, ready);
    ready();
}

void SoundEffects::beSilent(const QString &reason, bool hung)
{
    if (std::exchange(m_silent, true))
        return;
    m_waiting.clear();
    if (hung)
        qCWarning(lcSound, "no sound this session: %s", qPrintable(reason));
    else
        qCInfo(lcSound, "no sound this session: %s", qPrintable(reason));
#ifdef DORVEK_HAS_LIBPULSE
    // Its thread goes with it.
    if (m_server) {
        m_server->deleteLater();
        m_server = nullptr;
    }
#endif
}

extern "C" Q_DECL_EXPORT SoundOutput *dorvek_create_sound_output(QObject *parent)
{
    return new SoundEffects(parent);
}
static_assert(std::is_same_v<decltype(&dorvek_create_sound_output), SoundOutputFactory>);
