#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the Release build of the game under Xvfb beside the least a Qt
# widget program costs (an empty 640x480 main window with a menu bar, built
# here too): start to first painted frame, resident memory after start-up,
# CPU over 60 s of the demonstration, how late every step of the game's clock
# fires over the demonstration's first run, its 3-minute rest and a watching
# match, and how long the normal test suite takes; first frame and memory
# again at a scale of 2, where the game draws its pictures for the density. About 10 minutes on two
# cores once the packages are in; --quick leaves out the rest (about 5).
#
# usage: bench/run.sh [--quick]     results: build-bench/bench-results.md
set -eu
cd "$(dirname "$0")/.."
quick=""
[ "${1:-}" = "--quick" ] && quick=--quick

scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PROJECT_DorvekLight_INCLUDE="$PWD/bench/attach.cmake"
cmake --build build-bench --parallel "$(nproc)"
cd build-bench

now() { date +%s.%N; }
# Kibibytes resident, and CPU clock ticks used so far, of a process.
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== the normal suite (Release)"
suite_start=$(now)
suite_failed=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 > suite.log 2>&1 || suite_failed=1
suite_seconds=$(awk -v a="$suite_start" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }')
suite_failures=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' suite.log | tr '\n' ' ' | sed 's/ $//')

display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp > xvfb.log 2>&1 &
xvfb=$!
game=""
minimal=""
stopwatch=""
trap 'kill $stopwatch $game $minimal $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$display" ] && break
    sleep 0.2
done
if [ ! -S "/tmp/.X11-unix/X$display" ]; then
    echo "Xvfb did not start:" >&2
    cat xvfb.log >&2
    exit 1
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Milliseconds to the first frame of a program at a scale.
first_frame() {
    env QT_SCALE_FACTOR="$1" ./bench_launch "$2" --first-frame 2>&1 >/dev/null |
        sed -n 's/^bench: first-frame-ms //p'
}
# Median first frames of the minimal window and the game at a scale, one
# warm-up launch each, then 15 launches each, alternating.
first_frames() {
    : > "frames-minimal-$1.txt"
    : > "frames-game-$1.txt"
    first_frame "$1" ./bench_minimal > /dev/null
    first_frame "$1" ./bench_game > /dev/null
    for _ in $(seq 15); do
        first_frame "$1" ./bench_minimal >> "frames-minimal-$1.txt"
        first_frame "$1" ./bench_game >> "frames-game-$1.txt"
    done
}

echo "== start to first frame, 15 runs each, at scales 1 and 2"
first_frames 1
first_frames 2
frame_minimal=$(median < frames-minimal-1.txt)
frame_game=$(median < frames-game-1.txt)
frame_minimal_2=$(median < frames-minimal-2.txt)
frame_game_2=$(median < frames-game-2.txt)

echo "== memory at scale 2"
env QT_SCALE_FACTOR=2 ./dorvek > /dev/null 2>&1 &
game=$!
env QT_SCALE_FACTOR=2 ./bench_minimal > /dev/null 2>&1 &
minimal=$!
sleep 5
rss_game_2=$(rss_kib $game)
rss_minimal_2=$(rss_kib $minimal)
kill $game $minimal
wait $game $minimal 2>/dev/null || true
game=""
minimal=""

echo "== memory and CPU over 60 s of the demonstration; step timing (runs on)"
./bench_game --timing timing.tsv $quick > /dev/null 2> stopwatch.log &
stopwatch=$!
./dorvek > /dev/null 2>&1 &
game=$!
./bench_minimal > /dev/null 2>&1 &
minimal=$!
sleep 5
rss_game=$(rss_kib $game)
rss_minimal=$(rss_kib $minimal)
sleep 15
cpu_from_game=$(cpu_ticks $game)
cpu_from_minimal=$(cpu_ticks $minimal)
cpu_start=$(now)
sleep 60
cpu_to_game=$(cpu_ticks $game)
cpu_to_minimal=$(cpu_ticks $minimal)
cpu_seconds=$(awk -v a="$cpu_start" -v b="$(now)" 'BEGIN { print b - a }')
kill $game $minimal
game=""
minimal=""
tick=$(getconf CLK_TCK)
cpu_percent() { awk -v t="$1" -v h="$tick" -v s="$cpu_seconds" 'BEGIN { printf "%.3f", t / h / s * 100 }'; }
cpu_game=$(cpu_percent $((cpu_to_game - cpu_from_game)))
cpu_minimal=$(cpu_percent $((cpu_to_minimal - cpu_from_minimal)))

echo "== waiting for the watching match to end"
wait $stopwatch
stopwatch=""

# Lateness counted from the start of the step that armed the timer.
steps=$(awk -F'\t' '!/^#/ && $1 != "watching-match"' timing.tsv | wc -l)
worst=$(awk -F'\t' '!/^#/ && $1 != "watching-match" { l = $4 < 0 ? -$4 : $4; if (l > w) { w = l; s = $1 } }
    END { printf "%.2f ms (%s)", w, s }' timing.tsv)
over=$(awk -F'\t' '!/^#/ && $1 != "watching-match" && ($4 > 20 || $4 < -20)' timing.tsv | wc -l)
late_of() { awk -F'\t' -v s="$1" -v b="$2" '$1 == s && $2 == b { printf "%.2f", $4; exit }' timing.tsv; }
late_demo_timer=$(late_of timer_demo start-up)
late_rest=$(late_of demo_talk1 demo_talk8)
late_match=$(late_of watching-match menu)

judge() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit) ? "yes" : "**no**" }'; }
ratio=$(awk -v g="$frame_game" -v m="$frame_minimal" 'BEGIN { printf "%.2f", g / m }')
extra_mib=$(awk -v g="$rss_game" -v m="$rss_minimal" 'BEGIN { printf "%.1f", (g - m) / 1024 }')
ratio_2=$(awk -v g="$frame_game_2" -v m="$frame_minimal_2" 'BEGIN { printf "%.2f", g / m }')
extra_mib_2=$(awk -v g="$rss_game_2" -v m="$rss_minimal_2" 'BEGIN { printf "%.1f", (g - m) / 1024 }')
abs() { awk -v v="$1" 'BEGIN { print (v < 0) ? -v : v }'; }

rest_shown="left out by --quick"
rest_met="-"
if [ -n "$late_rest" ]; then
    rest_shown="$late_rest ms"
    rest_met=$(judge "$(abs "$late_rest")" 20)
fi

cat > bench-results.md <<EOF
Measured $(date -u '+%Y-%m-%d %H:%M UTC') by \`bench/run.sh${quick:+ $quick}\` on $(nproc) cores of
$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), Linux $(uname -r),
Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown), Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown).

| Measure | Dorvek Light | Minimal window | Game / minimal | Target | Met |
|---|---|---|---|---|---|
| Start to first painted frame, median of 15 | $frame_game ms | $frame_minimal ms | $ratio | at most 1.2 | $(judge "$ratio" 1.2) |
| Resident memory 5 s after start | $((rss_game / 1024)) MiB | $((rss_minimal / 1024)) MiB | +$extra_mib MiB | at most +10 MiB | $(judge "$extra_mib" 10) |
| Start to first painted frame at scale 2, median of 15 | $frame_game_2 ms | $frame_minimal_2 ms | $ratio_2 | at most 1.1 | $(judge "$ratio_2" 1.1) |
| Resident memory 5 s after start at scale 2 | $((rss_game_2 / 1024)) MiB | $((rss_minimal_2 / 1024)) MiB | +$extra_mib_2 MiB | at most +10 MiB | $(judge "$extra_mib_2" 10) |
| CPU over 60 s of the demonstration | $cpu_game % | $cpu_minimal % | | under 0.2 % of a core | $(judge "$cpu_game" 0.2) |
| Normal suite, Release, ctest | $suite_seconds s$( [ $suite_failed -eq 0 ] || echo " (failed: $suite_failures)") | | | under 60 s | $(judge "$suite_seconds" 60) |
| Worst step of $steps, late or early | $worst | | | within 20 ms | $(judge "$(echo "$worst" | cut -d' ' -f1)" 20) |
| timer_demo's 10 s | $late_demo_timer ms | | | within 20 ms | $(judge "$(abs "$late_demo_timer")" 20) |
| The demonstration's 180 s rest | $rest_shown | | | within 20 ms | $rest_met |
| A whole watching match, 33.5 s | $late_match ms | | | within 50 ms | $(judge "$(abs "$late_match")" 50) |

Steps more than 20 ms off: $over. Every step's timing: \`build-bench/timing.tsv\`.
EOF
cat bench-results.md
