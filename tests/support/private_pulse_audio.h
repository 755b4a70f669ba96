// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PulseAudio of the test's own, with a null sink for the game to play to,
// reachable over a Unix socket and over TCP on 127.0.0.1. Nothing of the
// user's: its own runtime folder, not daemonized, no module beyond those it
// names, so nothing is started on its behalf. Gone with the object.
class PrivatePulseAudio
{
public:
    PrivatePulseAudio();
    ~PrivatePulseAudio();

    // Whether it runs and takes connections on both.
    bool ready() const { return m_ready; }
    QByteArray unixAddress() const;
    QByteArray tcpAddress() const;
    // Stopped as with SIGSTOP: it takes connections but answers nothing.
    void stop();
    void resume();
    // Ended and started anew at the same addresses.
    bool restart();

private:
    bool start();

    QTemporaryDir m_folder;
    QProcess m_server;
    quint16 m_port = 0;
    bool m_ready = false;
};
