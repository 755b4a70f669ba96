#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built game into a scratch prefix, validates its desktop entry
# and metainfo, and starts the installed game headless, once through its
# command on the PATH and once through the desktop entry's command line, each
# from a folder the game has no files in. With --installed it checks the game
# installed on this system (by its package) instead, the same way.
#
# usage: install_check.sh BUILD_DIR
#        install_check.sh --installed
set -eu

id=org.example.DorvekLight
scratch=$(mktemp -d)
game=""
build=""
[ "$1" = --installed ] || build=$(cd "$1" && pwd)

cleanup() {
    if [ -n "$game" ]; then
        kill "$game" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is missing; scripts/setup.sh installs it"
done

if [ -n "$build" ]; then
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    # The command's folder, bin unless the build chose another (games, for Debian).
    bin=$prefix/$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
else
    # A player's login PATH has the games folders; root's, as under
    # autopkgtest, has not.
    PATH=$PATH:/usr/local/games:/usr/games
    command=$(command -v dorvek-light) || fail "dorvek-light is not on the PATH"
    bin=$(dirname "$command")
    prefix=$(dirname "$bin")
fi
data=$prefix/share/dorvek-light
desktop=$prefix/share/applications/$id.desktop

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" \
    || fail "appstreamcli rejects the metainfo"

# Everything the game reads at run time, as the build laid it out beside
# the binary; from a package, at least the folders and the translation.
if [ -n "$build" ]; then
    (cd "$build" && find gazo ico wave -type f && echo Dorvek_ja.qm) | sort >"$scratch/built"
    (cd "$data" && find . -type f | sed 's|^\./||') | sort >"$scratch/installed"
    missing=$(comm -23 "$scratch/built" "$scratch/installed")
    [ -z "$missing" ] || fail "not installed into $data: $missing"
    [ "$(wc -l <"$scratch/built")" -gt 100 ] || fail "the build folder lacks the game's files"
else
    for file in gazo/UB0.png ico/mirrit.png ico/mirrit.svg Dorvek_ja.qm; do
        [ -s "$data/$file" ] || fail "no $data/$file"
    done
fi

# The sound module, loaded beside the game when a match is chosen: without it,
# or without a library it needs, the game is silent.
module=$prefix/libexec/dorvek-light/dorvek_sound.so
[ -s "$module" ] || fail "no sound module beside the game: $module"
! ldd "$module" | grep 'not found' || fail "the sound module lacks a library"

# Every size of the icon the build drew, in the theme; from a package, the
# sizes it installed.
if [ -n "$build" ]; then
    sizes=$(cd "$build/packaging/hicolor" && ls -d [0-9]*x[0-9]*)
else
    sizes=$(cd "$prefix/share/icons/hicolor" && ls -d [0-9]*x[0-9]* | while read -r size; do
        [ ! -e "$size/apps/$id.png" ] || echo "$size"; done)
fi
[ "$(echo "$sizes" | wc -l)" -ge 4 ] || fail "the build drew too few icon sizes: $sizes"
for size in $sizes; do
    [ -s "$prefix/share/icons/hicolor/$size/apps/$id.png" ] || fail "no $size icon"
done
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"

# Waits until process $1 has settled into its event loop, its start-up
# over: asleep, and no processor time spent over three looks in a row, a
# tenth of a second apart. Gives up after 20 s, or when it has gone.
settle() {
    quiet=0
    looks=0
    last=""
    while [ "$quiet" -lt 3 ] && [ "$looks" -lt 200 ]; do
        sleep 0.1
        looks=$((looks + 1))
        # The state and the user and system times follow the command's name.
        now=$(awk '{ sub(/.*\) /, ""); print $1, $12 + $13 }' "/proc/$1/stat" 2>/dev/null) || return 0
        if [ "$now" = "$last" ] && [ "${now%% *}" = S ]; then
            quiet=$((quiet + 1))
        else
            quiet=0
        fi
        last=$now
    done
}

# Starts the game with the given command from an unrelated folder and checks,
# once its start-up is over, that it is still running in its data folder and
# began its trace as always. The game writes its trace unbuffered, so what it
# printed is in the file however it ends.
start_game() {
    name=$1
    language=$2
    shift 2
    mkdir -p "$scratch/elsewhere"
    (cd "$scratch/elsewhere" &&
        exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$language" \
            QT_QPA_PLATFORM=offscreen PATH="$bin:$PATH" \
            "$@" >"$scratch/$name.out" 2>"$scratch/$name.err") &
    game=$!
    settle "$game"
    kill -0 "$game" 2>/dev/null || { cat "$scratch/$name.err" >&2; fail "$name: the game is not running"; }
    [ "$(readlink -f "/proc/$game/exe")" = "$(readlink -f "$prefix/libexec/dorvek-light/dorvek")" ] \
        || fail "$name: the command did not start the installed game"
    [ "$(readlink -f "/proc/$game/cwd")" = "$(readlink -f "$data")" ] \
        || fail "$name: the game runs in $(readlink -f "/proc/$game/cwd"), not in its data folder"
    if [ "$language" = ja_JP.UTF-8 ]; then
        grep -q "$data/Dorvek_ja.qm" "/proc/$game/maps" \
            || fail "$name: the game did not load its Japanese translation"
    fi
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=""
    [ "$(head -n 1 "$scratch/$name.out")" = "Play_mode=0" ] \
        || fail "$name: the trace does not begin with Play_mode=0"
    echo "$name: started in $data"
}

start_game command en_GB.UTF-8 "$bin/dorvek-light"

# The desktop entry's command line, as a desktop would run it: field codes
# dropped, the program looked up on the PATH.
command_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUdDnNickvm]//g')
[ -n "$command_line" ] || fail "the desktop entry has no Exec line"
start_game desktop-entry ja_JP.UTF-8 $command_line

# Through a link in another folder, as a packager or a user may make one: the
# game finds its data from where it really lies.
if [ -n "$build" ]; then
    mkdir -p "$scratch/links"
    ln -s "$(realpath --relative-to="$scratch/links" "$bin/dorvek-light")" "$scratch/links/dorvek-light"
    start_game link en_GB.UTF-8 "$scratch/links/dorvek-light"
fi

# A data folder that cannot be entered ends the game at once, saying why,
# rather than leaving it to run without its pictures and sounds.
if [ -n "$build" ]; then
    echo nowhere >"$prefix/libexec/dorvek-light/data-folder"
    status=0
    (cd "$scratch" && QT_QPA_PLATFORM=offscreen timeout 20 "$bin/dorvek-light" \
        >"$scratch/lost.out" 2>"$scratch/lost.err") || status=$?
    [ "$status" -eq 1 ] || fail "without its data folder the game ended with $status, not 1"
    grep -q "cannot enter the game's data folder" "$scratch/lost.err" \
        || fail "without its data folder the game did not say why"
    echo "lost data folder: the game ended, saying why"
fi
