// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// The running debug trace of every game step. It goes to standard output
// through the C library's formatted printing; tests divert it to compare it
// byte for byte.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void trace(const char *format, ...);

using TraceSink = std::function<void(const std::string &text)>;

// An empty sink restores standard output.
void setTraceSink(TraceSink sink);
