#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Formats the C++ files named on the command line, or else every tracked
# one, in place with .clang-format. Installs clang-format if it is missing.
set -eu
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || scripts/setup.sh clang-format
if [ $# -eq 0 ]; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i --style=file
else
    clang-format -i --style=file "$@"
fi
