// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_board.h"

#include "services/sound_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>
#include <QTimer>

#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcSound, "dorvek.sound")

SoundBoard::Sink &sink()
{
    static SoundBoard::Sink instance;
    return instance;
}

// A bare relative path may fail to decode; the working directory's absolute
// path always works.
QString absolutePath(const QString &file)
{
    return QDir::current().absoluteFilePath(file);
}
} // namespace

SoundBoard::SoundBoard(QObject *parent, const QStringList &files)
    : QObject(parent)
    , m_files(files)
{}

void SoundBoard::loadSoon()
{
    if (!m_loaded)
        QTimer::singleShot(0, this, &SoundBoard::loadOutput);
}

void SoundBoard::loadOutput()
{
    // Where the tests listen, nothing needs loading.
    if (sink() || std::exchange(m_loaded, true))
        return;
    // Beside the game, in the build tree and installed alike.
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/dorvek_sound"));
    const auto create = reinterpret_cast<SoundOutputFactory>(module.resolve(SOUND_OUTPUT_FACTORY));
    if (!create) {
        qCWarning(lcSound, "no sound: %s", qPrintable(module.errorString()));
        return;
    }
    m_output = create(this);
    QStringList paths;
    for (const QString &file : std::as_const(m_files))
        paths << absolutePath(file);
    m_output->prepare(paths);
}

void SoundBoard::play(const QString &file)
{
    if (sink()) {
        sink()(file);
        return;
    }
    loadOutput();
    if (m_output)
        m_output->play(absolutePath(file));
}

void SoundBoard::setSink(Sink newSink)
{
    sink() = std::move(newSink);
}
