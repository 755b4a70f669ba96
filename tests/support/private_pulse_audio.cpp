// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/private_pulse_audio.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>

#include <sys/prctl.h>

PrivatePulseAudio::PrivatePulseAudio()
{
    QTcpServer free;
    free.listen(QHostAddress::LocalHost);
    m_port = free.serverPort();
    free.close();
    m_ready = start();
}

bool PrivatePulseAudio::start()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_folder.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Not even a test that crashes or times out leaves it behind.
    m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_server.start(
        QStringLiteral("pulseaudio"),
        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=error",
         "--load=module-null-sink sink_name=table",
         "--load=module-native-protocol-unix auth-anonymous=1 socket="
             + m_folder.filePath(QStringLiteral("native")),
         QStringLiteral(
             "--load=module-native-protocol-tcp auth-anonymous=1 listen=127.0.0.1 port=%1")
             .arg(m_port)});
    // The TCP module is loaded last: once it takes a connection, all is there.
    return m_server.waitForStarted()
           && QTest::qWaitFor(
               [this] {
                   QTcpSocket knock;
                   knock.connectToHost(QHostAddress::LocalHost, m_port);
                   return knock.waitForConnected(100);
               },
               10000);
}

bool PrivatePulseAudio::restart()
{
    m_server.terminate();
    m_server.waitForFinished();
    return start();
}

PrivatePulseAudio::~PrivatePulseAudio()
{
    resume();
    m_server.kill();
    m_server.waitForFinished();
}

QByteArray PrivatePulseAudio::unixAddress() const
{
    return "unix:" + QFile::encodeName(m_folder.filePath(QStringLiteral("native")));
}

QByteArray PrivatePulseAudio::tcpAddress() const
{
    return "tcp:127.0.0.1:" + QByteArray::number(m_port);
}

void PrivatePulseAudio::stop()
{
    ::kill(pid_t(m_server.processId()), SIGSTOP);
}

void PrivatePulseAudio::resume()
{
    ::kill(pid_t(m_server.processId()), SIGCONT);
}
