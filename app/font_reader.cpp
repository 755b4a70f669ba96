// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/font_reader.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#ifdef DORVEK_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

FontReader::FontReader()
{
    // Without a thread the main thread reads the fonts itself, as it needs them.
    try {
        m_thread = std::thread(&FontReader::read, this);
    } catch (const std::system_error &) {
    }
}

FontReader::~FontReader()
{
    wait();
}

void FontReader::applicationExists()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_go == Go::Undecided)
        m_go = Go::Fill;
    m_decided.notify_one();
}

void FontReader::wait()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_go == Go::Undecided)
            m_go = Go::Stop;
        m_decided.notify_one();
    }
    if (m_thread.joinable())
        m_thread.join();
}

void FontReader::read()
{
#ifdef DORVEK_HAS_FONTCONFIG
    FcInit();
#endif
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_decided.wait(lock, [this] { return m_go != Go::Undecided; });
        if (m_go == Go::Stop)
            return;
    }
    QFontDatabase::families();
    // The fallback families of the application's font are kept for every
    // thread, though the font itself is loaded once per thread.
    QFontMetrics(QGuiApplication::font()).height();
}
