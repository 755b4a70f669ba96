// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// Milliseconds on the monotonic clock, the launcher's clock.
inline double monotonic_ms()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

// Reports on standard error when a window's first frame has been painted and
// handed to the display, counted from the launch (BENCH_T0_NS, set by
// bench_launch); with `quit`, ends the program there.
class FirstFrame : public QObject
{
public:
    FirstFrame(QWidget &window, bool quit)
        : m_window(window), m_quit(quit)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window paints, then its children, then the whole frame
            // goes out in one flush; the next turn of the loop comes after.
            QTimer::singleShot(0, this, [this] {
                if (const char *t0 = std::getenv("BENCH_T0_NS")) {
                    const double launched = std::atof(t0) / 1e6;
                    std::fprintf(stderr, "bench: first-frame-ms %.2f\n", monotonic_ms() - launched);
                }
                if (m_quit)
                    QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget &m_window;
    bool m_quit;
    bool m_seen = false;
};
