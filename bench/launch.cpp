// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program, telling it in BENCH_T0_NS the moment of its start on the
// monotonic clock, so that it can time its own start-up from the very exec.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_launch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const std::string t0 = std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    setenv("BENCH_T0_NS", t0.c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
