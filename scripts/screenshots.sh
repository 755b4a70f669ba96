#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Refreshes the README's screenshots in docs/screenshots/: builds the game,
# runs it on a virtual X display, plays it with synthetic keys and captures
# the window, once at a scale of 2 where it draws its pictures for the
# screen's density. Without a window manager the windows have no frames and the
# dialogs open as windows of their own, so each picture is cropped to the
# window it shows. A match deals a fresh deck, so the cards differ each run.
set -eu
cd "$(dirname "$0")/.."

if [ "${1:-}" != --on-display ]; then
    scripts/setup.sh xvfb xauth xdotool imagemagick
    scripts/build.sh
    mkdir -p docs/screenshots
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display
fi

out=$(pwd)/docs/screenshots
game=""
trap '[ -z "$game" ] || kill "$game" 2>/dev/null || true' EXIT

# Starts the game from the build folder in the given language, at the given
# scale (1 if none), and gives it the keyboard.
start_game() {
    (cd build && exec env -u LC_ALL -u LC_MESSAGES LANG="$1" LANGUAGE="$2" QT_SCALE_FACTOR="${3:-1}" \
        ./dorvek >/dev/null 2>&1) &
    game=$!
    window=$(xdotool search --sync --onlyvisible --class dorvek | head -n 1)
    xdotool windowfocus "$window"
    sleep 1
}

stop_game() {
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=""
}

# Captures one window, cropped to its own size.
shoot() {
    eval "$(xdotool getwindowgeometry --shell "$2")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
        -define png:compression-level=9 "$out/$1.png"
    echo "$out/$1.png"
}

key() {
    xdotool key "$@"
    sleep 0.4
}

# "Free Play1(Tryal play)", the second entry of the Game menu; the player's
# turn begins 12 s later, with "more Get card" and "Stop card" first and
# second in the focus chain.
free_play_to_result() {
    key alt+g Down Return
    sleep 12.5
    key Tab space
    sleep 1
    [ -z "${1:-}" ] || shoot "$1" "$window"
    key Tab space
    sleep 1.2
}

start_game en_GB.UTF-8 en
sleep 10 # the demonstration's first line
shoot startup "$window"
free_play_to_result round
shoot result "$window"
key alt+c Return
sleep 1
shoot settings "$(xdotool search --onlyvisible --name '^Config$' | head -n 1)"
stop_game

start_game ja_JP.UTF-8 ja
free_play_to_result
shoot japanese "$window"
stop_game

start_game en_GB.UTF-8 en 2
free_play_to_result round-scale-2
stop_game
