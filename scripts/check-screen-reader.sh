#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the game by ear, as a blind player would: on an X server of its own,
# with Orca running and nothing but keys from xdotool. First a flat review
# of the table before any card is dealt, and a walk in the Game menu while
# two of the demonstration's messages fall due; then a whole free-play match
# (Space draws, Tab goes to "Stop card", Space stops, in each of the three
# turns; where-am-I and a flat review in the first, where-am-I on the score
# line after it) and a watching match.
# Prints everything Orca said, from its own debug log, between the game's
# trace lines and the keys' marks at the moment each was said, and then
# what the menu walk heard and whether a score was said twice.
#
# Without a release it runs on this machine and builds the game into build/.
# With one (bookworm, trixie, sid) it runs in a freshly bootstrapped chroot
# of that release, as scripts/check-package.sh does (root; the downloads are
# kept in /var/cache/dorvek-light-check), and builds there. Installs what it
# needs with apt-get. LANG=ja_JP.UTF-8 in the environment plays it in
# Japanese. The logs land in build-screen-reader/RELEASE/: orca.log (Orca's
# debug log), trace.log (the game's trace, time-stamped), keys.log (the
# marks) and speech.txt (what is printed).
#
# usage: scripts/check-screen-reader.sh [RELEASE]
set -eu
cd "$(dirname "$0")/.."

packages="orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core dbus-x11 openbox
          xvfb xauth xdotool python3 locales"

# Everything below runs where the game was built: the host or the chroot.
session() {
    build=$(cd "$1" && pwd)
    out=$(mkdir -p "$2" && cd "$2" && pwd)
    scratch=$(mktemp -d /tmp/dorvek-light-ear.XXXXXX)
    export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run
    mkdir -p "$HOME/.config" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # No sound card: speech goes to ALSA's null device, and still every
    # utterance is in Orca's log.
    printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
    cp -r /etc/speech-dispatcher "$HOME/.config/speech-dispatcher"
    echo 'AudioOutputMethod "alsa"' >>"$HOME/.config/speech-dispatcher/speechd.conf"

    # Xvfb picks a display that no other X server (of this machine or of a
    # chroot beside it) uses: a shared one would take the game's events and
    # keys to another run's screen reader.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb=$!
    tries=0
    until [ -s "$scratch/display" ] || [ "$tries" -ge 100 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
    [ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; return 1; }
    export DISPLAY=:$(cat "$scratch/display")
    sleep 1
    rm -f "$out/orca.log" "$out/trace.log" "$out/keys.log"
    dbus-run-session -- sh -s "$build" "$out" <<'IN_SESSION' || true
set -u
build=$1
out=$2
openbox --sm-disable >/dev/null 2>&1 &
# Orca writes its debug log fully buffered and loses the tail when it is
# stopped; opened line-buffered, the log holds everything it said.
line_buffered='import builtins, runpy, sys
log = sys.argv[1]
plain = builtins.open
def opened(file, mode="r", *args, **kwargs):
    if file == log and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return plain(file, mode, *args, **kwargs)
builtins.open = opened
sys.argv = ["orca", "--replace", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")'
# Orca's own interpreter, which has its modules.
"$(sed -n '1s/^#! *//p' /usr/bin/orca)" -c "$line_buffered" "$out/orca.log" >/dev/null 2>&1 &
orca=$!
sleep 8

# The trace, each line stamped with the time it arrived.
stamp='import sys, datetime
for line in iter(sys.stdin.readline, ""):
    sys.stdout.write(datetime.datetime.now().strftime("%H:%M:%S.%f") + " " + line)
    sys.stdout.flush()'
(cd "$build" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 sh -c 'echo $$ >game.pid; exec ./dorvek') |
    python3 -u -c "$stamp" >"$out/trace.log" &
xdotool search --sync --class dorvek >/dev/null
# On a busy machine the window manager may come up after the game's window,
# which then never gets the keyboard: it is given it here.
sleep 1
xdotool search --onlyvisible --class dorvek windowactivate --sync 2>/dev/null ||
    xdotool search --onlyvisible --class dorvek windowfocus --sync
start=$(date +%s)
keys() {
    xdotool key --delay 100 "$@"
}
# Notes what the keys are about to do, beside the trace.
mark() {
    echo "$(date +%H:%M:%S.%N) $*" >>"$out/keys.log"
}
# Waits until `seconds` have passed since the window came.
at() {
    while [ $(($(date +%s) - start)) -lt "$1" ]; do sleep 0.1; done
}
# Waits until the trace holds `count` lines matching `pattern`.
until_traced() {
    tries=0
    while [ "$(grep -c -- "$2" "$out/trace.log" || true)" -lt "$1" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 1200 ] || { echo "gave up waiting for $2" >&2; return 1; }
        sleep 0.1
    done
}
# Orca's flat review, lines up to the top (keypad 7) and down again (keypad
# 9), by the keys' Num Lock-off names: for KP_7 xdotool would switch Num
# Lock on, and keypad 7 would type a digit.
flat_review() {
    mark "flat review: $1"
    for line in 1 2 3 4 5 6 7 8; do keys KP_Home; sleep 0.4; done
    for line in 1 2 3 4 5 6 7 8 9; do keys KP_Prior; sleep 1.2; done
    mark "flat review ends"
}

# Chooses the Game menu's entry `downs` below the first, until the trace
# shows `pattern`: a key now and then reaches the game late while Orca is
# busy, and the menu then never opens.
choose() {
    for attempt in 1 2 3 4; do
        keys Escape; sleep 1; keys alt+g; sleep 1.5
        [ "$1" -eq 0 ] || { keys Down; sleep 1; }
        keys Return
        sleep 2
        ! grep -q -- "$2" "$out/trace.log" || return 0
    done
    echo "the Game menu did not start the match" >&2
    return 1
}

# Orca first meets every card place empty; the cards dealt later must
# still be in the flat reviews below.
at 1
flat_review "the empty table"
# The demonstration says its messages 10, 20, 30 and 40 s after the start;
# the second and third fall due while the player walks the Game menu.
at 15
mark "menu walk begins"
keys alt+g
while [ $(($(date +%s) - start)) -lt 35 ]; do
    sleep 2.5
    keys Down
done
sleep 1
mark "menu walk ends"
keys Escape; sleep 0.5; keys Escape
at 43
choose 1 'three atack'
for round in 1 2 3; do
    until_traced $((2 * round)) '=====player_turn()=====' || break
    sleep 3
    keys space
    sleep 3
    if [ "$round" = 1 ]; then
        keys KP_Enter
        sleep 4
        flat_review "the player's turn"
    fi
    keys Tab; sleep 2
    mark "stop: the focus goes to the score line"
    keys space
    if [ "$round" = 1 ]; then
        # Where-am-I on the score line, once round 2 is announced.
        sleep 8
        mark "where am I: the score line"
        keys KP_Enter
        sleep 3
        mark "where am I ends"
    fi
done
until_traced 1 'win_lose_check() 4-'
sleep 22

# The watching match, from the first entry of the Game menu.
choose 0 'Round_count=1'
sleep 14
flat_review "the watching match"
sleep 22

kill "$(cat "$build/game.pid")" 2>/dev/null || true
kill "$orca" 2>/dev/null || true
sleep 3
IN_SESSION
    kill "$xvfb" 2>/dev/null || true
    # The speech server and the accessibility bus outlive the session; they
    # are the ones started with this run's folders.
    for process in /proc/[0-9]*; do
        ! grep -qs -- "$scratch" "$process/cmdline" || kill "${process#/proc/}" 2>/dev/null || true
    done
    rm -rf "$scratch"

    # Orca stamps every utterance; the trace lines are stamped as they came.
    python3 - "$out/trace.log" "$out/orca.log" "$out/keys.log" >"$out/speech.txt" <<'MERGE'
import re, sys
import xml.etree.ElementTree as tree
# The look-ahead's lines and the deck's listing (whose last line runs on into
# the next) say nothing about the steps.
noise = re.compile(r"^(====card cpu start|======card_cpu\(\)|r\d+=|-------array_shuffle|$)")
deck = re.compile(r"^(buf_card\[\d+\]=\d+,)+")
events = []
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    time, _, text = line.rstrip("\n").partition(" ")
    text = deck.sub("", text)
    if not noise.match(text):
        events.append((time, 0, "game | " + text))
# Orca's log follows an utterance with its voice ({...}), from Orca 51 with
# no space before it and broken over lines, and may name the object it came
# from the way Orca 51 does ("[label: 'Game over' (0x…)]").
said = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?=\s*([\[{]|$))")
for line in open(sys.argv[2], encoding="utf-8", errors="replace"):
    m = said.match(line.rstrip("\n"))
    if m:
        events.append((m.group(1), 1, "ORCA » " + m.group(2)))
for line in open(sys.argv[3], encoding="utf-8"):
    time, _, text = line.rstrip("\n").partition(" ")
    events.append((time, 2, "keys | " + text))
events.sort()
for time, _, text in events:
    print(time[:12], text)

# The demonstration's messages and the spoken score line, in English and
# in Japanese.
texts = re.findall(r'QT_TRANSLATE_NOOP\("Dorvek",\s*"([^"]*)"\)', open("modes/demo_script.cpp").read())
score = ["Round %1: CPU %2, you %3, ties %4"]
for message in tree.parse("translations/Dorvek_ja.ts").iter("message"):
    if message.findtext("source") in texts:
        texts.append(message.findtext("translation"))
    if message.findtext("source") == score[0]:
        score.append(message.findtext("translation"))
demo = set(texts)
score = re.compile("|".join(re.escape(form).replace("%1", r"\d+").replace("%2", r"(\d+)").replace("%3", r"(\d+)")
                            .replace("%4", r"(\d+)") for form in score))

def seconds(time):
    h, m, s = time.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)

walk, reviewing, last, key = None, False, {}, 0
repeats, scores = [], 0
for time, kind, text in events:
    if kind == 2:
        key = seconds(time)
    if text == "keys | menu walk begins":
        walk = (time, [])
    elif text == "keys | menu walk ends" and walk:
        heard = walk[1]
        over = [t for t in heard if any(d in t for d in demo)]
        print("=== menu walk %s to %s: Orca said %s; of the demonstration: %s"
              % (walk[0][:8], time[:8], " | ".join(heard) or "nothing", " | ".join(over) or "nothing"))
        walk = None
    elif text.startswith(("keys | flat review", "keys | where am I")):
        reviewing = not text.endswith("ends")
    elif kind == 1:
        if walk:
            walk[1].append(text[7:])
        for m in score.finditer(text):
            # Where the focus lands after a key, Orca says what is there.
            if reviewing or (m.group(0) == text[7:] and seconds(time) - key < 1):
                continue
            scores += 1
            points = tuple(p for p in m.groups() if p is not None)
            if points in last and seconds(time) - last[points] < 8:
                repeats.append(time[:12] + " " + m.group(0))
            last[points] = seconds(time)
print("=== scores said unasked (not where the focus landed, in a flat review or where-am-I): %d;"
      " said again within 8 s: %s"
      % (scores, ", ".join(repeats) or "none"))
MERGE
    cat "$out/speech.txt"
    echo "=== $(grep -c 'ORCA »' "$out/speech.txt") utterances; logs in $out"
}

if [ "${1:-}" = --session ]; then
    session "$2" "$3"
    exit 0
fi

language=""
case ${LANG:-} in ja*) language=-ja ;; esac

if [ $# -eq 0 ]; then
    scripts/setup.sh --game $packages
    if [ -n "$language" ] && ! locale -a | grep -qi '^ja_JP.utf-\?8$'; then
        sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        echo "ja_JP.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen
    fi
    scripts/build.sh dorvek
    session build "build-screen-reader/$(. /etc/os-release && echo "$VERSION_CODENAME")$language"
    exit 0
fi

release=$1
[ "$(id -u)" -eq 0 ] || { echo "Needs root, for debootstrap and chroot" >&2; exit 1; }
. scripts/fresh-chroot.sh
fresh_chroot "$release" ear
mkdir -p "$root/dev/shm"
mount -t tmpfs shm "$root/dev/shm"
mkdir -p "$root/src"
git ls-files -z | xargs -0 tar -cf - | tar -xf - -C "$root/src"
echo "=== Debian $release: installing and building in a fresh chroot"
chroot "$root" /bin/sh -s "$packages" "${LANG:-C.UTF-8}" <<'IN_CHROOT' >"$root/build.log" 2>&1 || { tail -n 40 "$root/build.log"; exit 1; }
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get -qq update
cd /src
scripts/setup.sh --game $1
dbus-uuidgen --ensure
case $2 in ja_JP*)
    echo "ja_JP.UTF-8 UTF-8" >>/etc/locale.gen
    locale-gen ;;
esac
scripts/build.sh dorvek
IN_CHROOT
echo "$(chroot "$root" sh -c '. /etc/os-release; echo "$PRETTY_NAME"'), Qt $(chroot "$root" dpkg-query -W -f '${Version}\n' 'libqt6core6*' | grep . | head -n 1), Orca $(chroot "$root" dpkg-query -W -f '${Version}' orca)"
chroot "$root" env LANG="${LANG:-C.UTF-8}" sh /src/scripts/check-screen-reader.sh --session /src/build /src/out
mkdir -p "build-screen-reader/$release$language"
cp "$root"/src/out/* "build-screen-reader/$release$language/"
