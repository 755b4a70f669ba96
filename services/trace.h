// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The running debug trace of every game step, formatted as printf() does. It
// goes to standard output without ever holding the game up (TraceWriter
// below); tests divert it to compare it byte for byte.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void trace(const char *format, ...);

using TraceSink = std::function<void(const std::string &text)>;

// An empty sink restores standard output.
void setTraceSink(TraceSink sink);

// Standard output as the trace's reader takes it. Lines go out at once while
// the reader keeps up; what it has not taken yet waits in memory and goes
// out from the event loop, never blocking the game.
namespace TraceWriter {

// Beyond this much waiting, lines are dropped until the reader catches up.
inline constexpr size_t WAITING_BOUND = size_t(4) * 1024 * 1024;

// Writes what standard output takes now without waiting; for the end of the
// game.
void flushWhatCanGo();

// Bytes written by the game but not yet taken by the reader.
size_t waiting();

} // namespace TraceWriter
