// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_server.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <cstring>

#if defined(__linux__)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

#if defined(__linux__)
// The protocol's first request: authenticate, sent on the control channel.
// The credentials that go with it identify the game as the server's own user,
// which is all a per-user server asks; the cookie stays zero, so no secret of
// the user's is read. Any reply, even a refusal, shows the server is alive.
QByteArray opening_request()
{
    const auto u32 = [](QByteArray &to, quint32 value) {
        char bytes[4];
        qToBigEndian(value, bytes);
        to.append(bytes, 4);
    };
    QByteArray payload;
    payload.append('L');
    u32(payload, 8); // authenticate
    payload.append('L');
    u32(payload, 0); // request number
    payload.append('L');
    u32(payload, 32); // protocol version, without shared memory
    payload.append('x');
    u32(payload, 256);
    payload.append(QByteArray(256, '\0'));

    QByteArray packet;
    u32(packet, quint32(payload.size()));
    u32(packet, 0xffffffffu); // control channel
    u32(packet, 0);
    u32(packet, 0);
    u32(packet, 0);
    return packet + payload;
}

bool send_with_credentials(int fd, const QByteArray &bytes)
{
    iovec data{const_cast<char *>(bytes.constData()), size_t(bytes.size())};
    union {
        cmsghdr header;
        char space[CMSG_SPACE(sizeof(ucred))];
    } control;
    std::memset(&control, 0, sizeof control);
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = &control;
    message.msg_controllen = sizeof control.space;
    cmsghdr *credentials = CMSG_FIRSTHDR(&message);
    credentials->cmsg_level = SOL_SOCKET;
    credentials->cmsg_type = SCM_CREDENTIALS;
    credentials->cmsg_len = CMSG_LEN(sizeof(ucred));
    const ucred self{getpid(), getuid(), getgid()};
    std::memcpy(CMSG_DATA(credentials), &self, sizeof self);
    return sendmsg(fd, &message, MSG_NOSIGNAL) == ssize_t(bytes.size());
}
#endif

} // namespace

QString SoundServerProbe::socketPath()
{
    const QString server = qEnvironmentVariable("PULSE_SERVER").trimmed();
    if (!server.isEmpty()) {
        // libpulse tries the listed servers in turn; only a first one on a
        // local socket can be asked here.
        QString first = server.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (first.startsWith(QLatin1Char('{')))
            first = first.section(QLatin1Char('}'), 1);
        if (first.startsWith(QLatin1String("unix:")))
            first = first.mid(5);
        return first.startsWith(QLatin1Char('/')) ? first : QString();
    }
    QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (runtime.isEmpty() && qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        runtime = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse");
    for (const QString &path : {runtime + QStringLiteral("/native"), QStringLiteral("/var/run/pulse/native")}) {
        if (path.startsWith(QLatin1Char('/')) && QFileInfo::exists(path))
            return path;
    }
    return QString();
}

SoundServerProbe::SoundServerProbe(QObject *parent, std::function<void(bool answered)> answered)
    : QObject(parent)
    , m_answered(std::move(answered))
{
    // Called from the event loop even when the answer is known at once, so
    // the caller sees one order of events.
    auto settle = [this](bool result) {
        QTimer::singleShot(0, this, [this, result] { finish(result); });
    };
#if defined(__linux__)
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path) {
        settle(true);
        return;
    }
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // A socket nobody listens on, or one whose queue is full, fails here at
    // once, as it will for libpulse: no wait to fear.
    if (m_fd < 0 || ::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || !send_with_credentials(m_fd, opening_request())) {
        settle(true);
        return;
    }
    m_reply = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_reply, &QSocketNotifier::activated, this, [this] { finish(true); });
    m_deadline = new QTimer(this);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] { finish(false); });
    m_deadline->start(ANSWER_WITHIN_MS);
#else
    settle(true);
#endif
}

SoundServerProbe::~SoundServerProbe()
{
#if defined(__linux__)
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void SoundServerProbe::finish(bool answered)
{
    if (!m_answered)
        return;
    if (m_reply)
        m_reply->setEnabled(false);
    if (m_deadline)
        m_deadline->stop();
#if defined(__linux__)
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
#endif
    const auto answer = std::move(m_answered);
    m_answered = nullptr;
    answer(answered);
}
