#!/bin/sh
# Sets up, builds and starts the game. It reads its pictures and sounds
# from the folder it starts in, which the build fills beside the binary.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
exec ./dorvek
