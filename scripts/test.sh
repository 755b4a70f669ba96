#!/bin/sh
# Sets up, builds and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
