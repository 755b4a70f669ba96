// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/sound_output.h"

#include <QHash>
#include <QStringList>

class QSoundEffect;
class SoundServer;

// The sound module's output: one QSoundEffect per file, made when the files
// are prepared (or at a file's first use) and replayed after that, so a run
// that lasts for days holds at most one effect per file and never has to
// guess when a sound has finished.
//
// Qt's audio is only ever called just after the sound server has answered
// (see SoundServer), so that no call into it meets a server that has
// stopped answering. A server that cannot be reached at first or stops
// answering leaves the rest of the session silent; so does a call into Qt's
// audio that still takes longer than STALL_MS, so that it is paid at most
// once. A server that goes away later is asked again at the next sound,
// where Qt's audio can find it again (before Qt 6.8).
class SoundEffects final : public SoundOutput
{
public:
    explicit SoundEffects(QObject *parent);

    void prepare(const QStringList &paths) override;
    void play(const QString &path) override;

    // Far beyond what making an effect or starting a sound takes on a server
    // that answers, far below what Qt waits for one that does not.
    static constexpr qint64 STALL_MS = 2000;

private:
    void playAnswered();
    void playNow(const QString &path);
    void makeEffect(const QString &path, bool playWhenReady);
    void beSilent(const QString &reason, bool hung);

    SoundServer *m_server = nullptr;
    QHash<QString, QSoundEffect *> m_effects;
    QStringList m_toPrepare;
    QStringList m_waiting;
    bool m_silent = false;
    bool m_away = false;
};
