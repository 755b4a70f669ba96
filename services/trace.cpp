// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/trace.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#if defined(__unix__)
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
TraceSink &sink()
{
    static TraceSink instance;
    return instance;
}

std::string formatLine(const char *format, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

#if defined(__unix__)

// Standard output is usually shared with the shell or a pipe the game does
// not own, so its own description stays blocking as it came (a flag set on
// it would outlive the game). Each write is made so that it cannot block
// instead, and takes what the reader takes now; the rest waits here.
class Writer
{
public:
    void add(std::string text)
    {
        if (m_stopped)
            return;
        // Once full, the trace leaves one gap rather than many: it takes lines
        // again when the reader has caught up with half of what waits.
        if (m_dropping ? waiting() > TraceWriter::WAITING_BOUND / 2
                       : waiting() + text.size() > TraceWriter::WAITING_BOUND) {
            if (!m_dropping)
                note("the trace's reader is not reading: beyond 4 MiB waiting, lines are dropped");
            m_dropping = true;
            return;
        }
        m_dropping = false;
        m_waiting += text;
        // While the reader has no room, the event loop flushes as soon as
        // it has; trying again at every line would only cost system calls.
        if (!m_room || !m_room->isEnabled())
            flush();
    }

    void flush()
    {
        while (!m_stopped && m_done < m_waiting.size()) {
            const ssize_t written = writeSome(m_waiting.data() + m_done, m_waiting.size() - m_done);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                if (errno == EAGAIN || errno == EWOULDBLOCK) {
                    waitForRoom();
                    return;
                }
                stop(errno);
                return;
            }
            m_done += size_t(written);
        }
        if (m_done == m_waiting.size()) {
            m_waiting.clear();
            if (m_waiting.capacity() > 64 * 1024)
                m_waiting.shrink_to_fit();
            m_done = 0;
            if (m_room)
                m_room->setEnabled(false);
        } else if (m_done > m_waiting.size() / 2) {
            // Moving the rest forward only once half has gone keeps a long
            // queue from being copied for every write.
            m_waiting.erase(0, m_done);
            m_done = 0;
        }
    }

    size_t waiting() const { return m_waiting.size() - m_done; }

private:
    // Writes as much of `data` as standard output takes now, which may be
    // less than `size`; fails with EAGAIN when it takes nothing. What kind
    // of file it is is asked anew each time: standard output may be
    // exchanged under the game (tests do).
    ssize_t writeSome(const char *data, size_t size)
    {
        struct stat out;
        if (fstat(STDOUT_FILENO, &out) != 0)
            return ::write(STDOUT_FILENO, data, size);
        // A regular file (or /dev/null) never makes a writer wait.
        if (S_ISREG(out.st_mode) || (S_ISCHR(out.st_mode) && !isatty(STDOUT_FILENO)))
            return ::write(STDOUT_FILENO, data, size);
        // poll() promises a stream socket, such as the journal's, no room
        // for a whole write; it is asked not to wait for this one call.
        if (S_ISSOCK(out.st_mode))
            return ::send(STDOUT_FILENO, data, size, MSG_DONTWAIT);
        // Nor does it promise a terminal any: a write larger than the room
        // left waits while scrolling is stopped (Ctrl-S) or a terminal
        // window does not read. A terminal is written through a description
        // of its own that does not wait.
        if (!S_ISFIFO(out.st_mode)) {
            const int own = ownDescription(out);
            if (own >= 0)
                return ::write(own, data, size);
        }
        // A pipe takes up to PIPE_BUF bytes without blocking once poll()
        // says it has room. Without /proc a terminal is written the same
        // way, and may then hold the game while it takes nothing.
        pollfd ready{STDOUT_FILENO, POLLOUT, 0};
        int answer;
        do
            answer = poll(&ready, 1, 0);
        while (answer < 0 && errno == EINTR);
        // An error or hang-up is left for write() to report.
        if (answer == 0) {
            errno = EAGAIN;
            return -1;
        }
        return ::write(STDOUT_FILENO, data, std::min(size, size_t(PIPE_BUF)));
    }

    // A non-blocking description of the file standard output names, opened
    // once for each such file; -1 where it cannot be opened.
    int ownDescription(const struct stat &out)
    {
        if (m_own >= 0 && m_ownDevice == out.st_dev && m_ownInode == out.st_ino)
            return m_own;
        if (m_own >= 0)
            ::close(m_own);
        m_own = ::open("/proc/self/fd/1", O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        m_ownDevice = out.st_dev;
        m_ownInode = out.st_ino;
        return m_own;
    }

    // Before the application object exists there is no event loop to wake
    // the trace; the next line tries again then.
    void waitForRoom()
    {
        if (!m_room && QCoreApplication::instance()) {
            m_room = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Write,
                                         QCoreApplication::instance());
            QObject::connect(m_room, &QSocketNotifier::activated, m_room, [this] { flush(); });
        }
        if (m_room)
            m_room->setEnabled(true);
    }

    void stop(int error)
    {
        m_stopped = true;
        m_waiting.clear();
        m_waiting.shrink_to_fit();
        m_done = 0;
        if (m_room)
            m_room->setEnabled(false);
        note((std::string("the trace stops: standard output: ") + std::strerror(error)).c_str());
    }

    static void note(const char *text) { std::fprintf(stderr, "dorvek: %s\n", text); }

    std::string m_waiting;
    size_t m_done = 0;
    bool m_stopped = false;
    bool m_dropping = false;
    QPointer<QSocketNotifier> m_room;
    int m_own = -1;
    dev_t m_ownDevice = 0;
    ino_t m_ownInode = 0;
};

Writer &writer()
{
    static Writer instance;
    return instance;
}

#endif
} // namespace

void trace(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatLine(format, args);
    va_end(args);
    if (sink()) {
        sink()(text);
        return;
    }
#if defined(__unix__)
    writer().add(std::move(text));
#else
    std::fputs(text.c_str(), stdout);
#endif
}

void setTraceSink(TraceSink newSink)
{
    sink() = std::move(newSink);
}

namespace TraceWriter {

void flushWhatCanGo()
{
#if defined(__unix__)
    writer().flush();
#endif
}

size_t waiting()
{
#if defined(__unix__)
    return writer().waiting();
#else
    return 0;
#endif
}

} // namespace TraceWriter
