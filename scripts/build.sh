#!/bin/sh
# Configures and builds the game, its pictures, sounds and translation, and
# the tests into build/.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}"
cmake --build build --parallel "$(nproc)"
