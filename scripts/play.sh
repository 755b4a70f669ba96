#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds and starts the game. It reads its pictures and sounds
# from the folder it starts in, which the build fills beside the binary.
# Only the game is built here, not the tests, so it opens sooner.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh --game
scripts/build.sh dorvek
cd build
exec ./dorvek
