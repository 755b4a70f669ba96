// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the system's font configuration and fills Qt's font database on a
// thread of its own. They are the largest pieces of work before the first
// frame, and meanwhile the main thread mostly waits for the display server
// or reads the first frame's pictures, so on a second core the fonts cost
// the first frame little. Qt keeps one font database for all threads, behind
// a lock, so whatever this thread has not finished the main thread simply
// waits for.
class FontReader
{
public:
    // Starts reading the font configuration.
    FontReader();
    // Waits for the thread.
    ~FontReader();
    FontReader(const FontReader &) = delete;
    FontReader &operator=(const FontReader &) = delete;

    // The application object exists now, so Qt's font database may be
    // filled. Without this call the thread ends once the configuration is
    // read.
    void applicationExists();

    // Returns once the thread has ended. Call it before the application
    // object is destroyed.
    void wait();

private:
    void read();

    enum class Go { Undecided, Fill, Stop };
    std::mutex m_mutex;
    std::condition_variable m_decided;
    Go m_go = Go::Undecided;
    std::thread m_thread;
};
