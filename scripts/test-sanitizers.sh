#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer (LeakSanitizer too, where it can run) into
# build-sanitize/ and runs it: a bad memory access, undefined behaviour or a
# leak fails the test that caused it.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

sanitizers="-fsanitize=address,undefined"
# -O1 keeps the suite quick while leaving stack traces readable.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer -fno-sanitize-recover=all -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_MODULE_LINKER_FLAGS="$sanitizers"
cmake --build build-sanitize --parallel "$(nproc)"

# LeakSanitizer cannot work under ptrace and in some containers; the rest of
# the checks still can.
probe_dir=$(mktemp -d)
trap 'rm -rf "$probe_dir"' EXIT
echo 'int main() { return 0; }' > "$probe_dir/probe.cpp"
c++ $sanitizers "$probe_dir/probe.cpp" -o "$probe_dir/probe"
leaks=1
if ! ASAN_OPTIONS=detect_leaks=1 "$probe_dir/probe" > "$probe_dir/log" 2>&1; then
    leaks=0
    echo "LeakSanitizer cannot run here; checking without it:" >&2
    cat "$probe_dir/log" >&2
fi

suppressions="$PWD/tests/sanitizer/leaks.supp"
export ASAN_OPTIONS="detect_leaks=$leaks:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
