#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds into build/ the targets named on the command line,
# or else everything: the game, its pictures, sounds and translation, and
# the tests.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}"
if [ $# -eq 0 ]; then
    cmake --build build --parallel "$(nproc)"
else
    cmake --build build --parallel "$(nproc)" --target "$@"
fi
