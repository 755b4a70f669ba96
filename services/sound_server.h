// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;
class QTimer;

// Asks the local PulseAudio server, without waiting for it, whether it
// answers at all. A server that takes connections but never replies (one
// stopped with SIGSTOP, a hung one) holds Qt's audio set-up on the GUI thread
// for libpulse's 30 s reply timeout, and Qt then tries again every three
// seconds for as long as the game runs; once Qt has begun, nothing can cut
// that short. So the game first sends the server the opening request of its
// protocol itself, on a non-blocking socket watched from the event loop, and
// leaves Qt's audio untouched unless a reply (or a refusal) comes within
// ANSWER_WITHIN_MS.
class SoundServerProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr int ANSWER_WITHIN_MS = 3000;

    // `answered` is called once, from the event loop: true when the server
    // replied or refused, or when there is no local server to ask (Qt then
    // fails at once by itself); false when it kept silent.
    SoundServerProbe(QObject *parent, std::function<void(bool answered)> answered);
    ~SoundServerProbe() override;

    // Where libpulse would look first, if it is a local socket; empty when
    // the server is elsewhere or there is none.
    static QString socketPath();

private:
    void finish(bool answered);

    std::function<void(bool)> m_answered;
    int m_fd = -1;
    QSocketNotifier *m_reply = nullptr;
    QTimer *m_deadline = nullptr;
};
