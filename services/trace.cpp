// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/trace.h"

#include <cstdarg>
#include <cstdio>

namespace {
TraceSink &sink()
{
    static TraceSink instance;
    return instance;
}
}

void trace(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    if (!sink()) {
        std::vprintf(format, args);
        va_end(args);
        return;
    }
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    sink()(text);
}

void setTraceSink(TraceSink newSink)
{
    sink() = std::move(newSink);
}
