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
#include <poll.h>
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
// not own, so it stays blocking as it came (a flag set on it would outlive
// the game). Instead the trace asks poll() before each write and writes no
// more than can go at once; what the reader has not taken yet waits here.
class Writer
{
public:
    void add(std::string text)
    {
        if (m_stopped)
            return;
        // Once full, the trace leaves one gap rather than many: it takes lines
        // again when the reader has caught up with half of what waits.
        if (m_dropping ? waiting() > TraceWriter::WAITING_BOUND / 2 : waiting() + text.size() > TraceWriter::WAITING_BOUND) {
            if (!m_dropping)
                note("the trace's reader is not reading: beyond 4 MiB waiting, lines are dropped");
            m_dropping = true;
            return;
        }
        m_dropping = false;
        m_waiting += text;
        flush();
    }

    void flush()
    {
        while (!m_stopped && m_done < m_waiting.size()) {
            if (!canWrite()) {
                waitForRoom();
                return;
            }
            const size_t left = m_waiting.size() - m_done;
            const size_t chunk = regular() ? left : std::min(left, size_t(PIPE_BUF));
            const ssize_t written = ::write(STDOUT_FILENO, m_waiting.data() + m_done, chunk);
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
            // queue from being copied for every pipe's worth written.
            m_waiting.erase(0, m_done);
            m_done = 0;
        }
    }

    size_t waiting() const { return m_waiting.size() - m_done; }

private:
    // A regular file (or /dev/null) never makes a writer wait; anything else
    // takes at most PIPE_BUF bytes once poll() says it has room, which a
    // pipe guarantees not to block on. Asked anew each time: standard output
    // may be exchanged under the game (tests do).
    static bool regular()
    {
        struct stat out;
        return fstat(STDOUT_FILENO, &out) == 0
            && (S_ISREG(out.st_mode) || (S_ISCHR(out.st_mode) && !isatty(STDOUT_FILENO)));
    }

    bool canWrite()
    {
        if (regular())
            return true;
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        int ready;
        do
            ready = poll(&out, 1, 0);
        while (ready < 0 && errno == EINTR);
        // An error or hang-up is left for write() to report.
        return ready > 0;
    }

    // Before the application object exists there is no event loop to wake
    // the trace; the next line tries again then.
    void waitForRoom()
    {
        if (!m_room && QCoreApplication::instance()) {
            m_room = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Write, QCoreApplication::instance());
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

    static void note(const char *text)
    {
        std::fprintf(stderr, "dorvek: %s\n", text);
    }

    std::string m_waiting;
    size_t m_done = 0;
    bool m_stopped = false;
    bool m_dropping = false;
    QPointer<QSocketNotifier> m_room;
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
