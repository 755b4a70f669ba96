#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the Debian package as Debian and a player would. First it builds the
# package twice from the same sources (scripts/package.sh), in two folders,
# minutes apart and under different umasks, and insists that the .deb files
# are byte for byte the same, showing what differs otherwise. Then, on a
# brand-new Debian 12 (bookworm) and a brand-new Debian 13 (trixie): in a
# freshly bootstrapped minimal chroot of each, with no build tools, it
# installs the package with apt from Debian's registry alone, starts
# dorvek-light headless from an unrelated folder and reads its start-up
# trace, looks for the desktop entry, metainfo and icons where desktop
# shells look, purges the package and makes sure no file of the game is
# left. It lints the source and binary packages with that release's
# lintian and runs the package's own tests (debian/tests) with autopkgtest.
# Needs root; a few minutes per release and per build. The bootstrap
# downloads are kept in /var/cache/dorvek-light-check for the next run.
#
# usage: scripts/check-package.sh [PACKAGE.changes] [RELEASE...]
#        (default: build twice as above; bookworm trixie; sid is Debian
#        unstable)
set -eu
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "Needs root, for debootstrap and chroot" >&2; exit 1; }
if [ $# -gt 0 ] && [ "${1%.changes}" != "$1" ]; then
    changes=$1
    shift
else
    # The second build: another folder, a stricter umask, a later time, and
    # no test suite (which builds only the tests).
    scripts/package.sh build-package
    again=$(mktemp -d /var/tmp/dorvek-light-again.XXXXXX)
    (umask 077 && DEB_BUILD_OPTIONS=nocheck scripts/package.sh "$again/elsewhere/build")
    changes=$(ls build-package/dorvek-light_*.changes)
    echo "=== reproducibility: two builds, $(date -u -r "$changes" +%T) in build-package (umask 022)" \
        "and $(date -u +%T) in $again/elsewhere/build (umask 077)"
    differ=""
    for deb in build-package/*.deb; do
        other=$again/elsewhere/build/$(basename "$deb")
        if cmp -s "$deb" "$other"; then
            echo "identical: $(basename "$deb") $(sha256sum <"$deb" | cut -c1-64)"
        else
            differ="$differ $(basename "$deb")"
            if command -v diffoscope >/dev/null; then
                diffoscope "$deb" "$other" || true
            else
                dpkg-deb -c "$deb" >"$again/first"
                dpkg-deb -c "$other" >"$again/second"
                diff "$again/first" "$again/second" || true
            fi
        fi
    done
    rm -rf "$again"
    [ -z "$differ" ] || { echo "FAIL: the two builds differ:$differ" >&2; exit 1; }
fi
[ -f "$changes" ] || { echo "No package: $changes" >&2; exit 1; }
deb=$(dirname "$changes")/$(sed -n 's/^ [0-9a-f]\{32\} [0-9]* [a-z]* [a-z]* \(dorvek-light_[^ ]*\.deb\)$/\1/p' "$changes")
[ -f "$deb" ] || { echo "No binary package in $changes" >&2; exit 1; }
[ $# -gt 0 ] || set -- bookworm trixie
. scripts/fresh-chroot.sh

for release in "$@"; do
    echo "=== Debian $release"
    fresh_chroot "$release" check
    mkdir "$root/tmp/package"
    for file in "$changes" $(sed -n '/^Files:/,/^[A-Z]/s/^ [0-9a-f]* [0-9]* [^ ]* [^ ]* //p' "$changes"); do
        cp "$(dirname "$changes")/$(basename "$file")" "$root/tmp/package/"
    done
    chroot "$root" /bin/sh -s "$(basename "$deb")" "$(basename "$changes")" <<'IN_CHROOT'
set -eu
deb=/tmp/package/$1
changes=/tmp/package/$2
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
id=org.example.DorvekLight
fail() {
    echo "FAIL: $*"
    exit 1
}
echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(dpkg-query -W -f '${binary:Package}\n' | wc -l) packages, compilers: $(command -v cc c++ gcc || echo none)"

# A player's account: a login shell sets the PATH as for any user, and a
# desktop would set a UTF-8 language.
useradd --create-home player
as_player() {
    runuser -l player -c "export LANG=C.UTF-8; $1"
}
find / -xdev -path /tmp -prune -o -print | sort >/tmp/before
apt-get -qq update
apt-get -y -q install "$deb" >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "apt-get install"; }
echo "ok: installed $(dpkg-query -W -f '${Version}' dorvek-light) with $(grep -c '^Setting up' /tmp/apt.log) packages from the registry"
dpkg -L dorvek-light | sort >/tmp/files

# Started by the player from a folder the game has no files in, for a few
# seconds; still running when the time is up is what a working game does.
# Its trace is unbuffered, so all it printed is there when it is stopped.
program=$(as_player 'command -v dorvek-light') || fail "dorvek-light is not on the player's PATH"
status=0
as_player 'mkdir -p elsewhere && cd elsewhere &&
    QT_QPA_PLATFORM=offscreen timeout 5 dorvek-light' >/tmp/trace 2>/tmp/stderr || status=$?
echo "$program, started in ~player/elsewhere for 5 s, wrote:"
sed 's/^/    /' /tmp/trace
[ -z "$(tail -c 1 /tmp/trace)" ] || echo
[ ! -s /tmp/stderr ] || { echo "  and on standard error:"; sed 's/^/    /' /tmp/stderr; }
[ "$status" -eq 124 ] || fail "the game ended by itself (status $status)"
# The start-up trace: the mode, the deck in order, the 52 random numbers,
# and the shuffled deck, which must hold every card once.
[ "$(head -n 1 /tmp/trace)" = Play_mode=0 ] || fail "the trace does not begin with Play_mode=0"
grep -q -- '-------array_shuffle()--------$' /tmp/trace || fail "no shuffle in the trace"
[ "$(grep -c '^r[0-9]*=' /tmp/trace)" -eq 6 ] || fail "the shuffle's random numbers are not in the trace"
shuffled=$(sed '1,/-------array_shuffle()--------$/d' /tmp/trace | grep -o 'buf_card\[[0-9]*\]=[0-9]*' |
    sed 's/.*=//' | sort -n | tr '\n' ' ')
[ "$shuffled" = "$(seq 1 52 | tr '\n' ' ')" ] || fail "the shuffled deck is not the 52 cards: $shuffled"
echo "ok: it ran until stopped and traced Play_mode=0 and the shuffle of the 52 cards"

# On an X display, through Qt's xcb platform plugin, as on a desktop.
apt-get -y -q install --no-install-recommends xvfb xauth >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "installing Xvfb"; }
status=0
as_player 'cd elsewhere && xvfb-run -a timeout 5 dorvek-light' >/tmp/trace 2>/tmp/stderr || status=$?
[ "$status" -eq 124 ] && [ "$(head -n 1 /tmp/trace)" = Play_mode=0 ] || { cat /tmp/stderr; fail "on Xvfb (status $status)"; }
echo "ok: on an X display (Xvfb) as well, for 5 s, with the same trace"

# Where desktop shells look: the entry in applications/, named as its id,
# starting a command on the PATH, with an icon in the hicolor theme; the
# metainfo in metainfo/, naming the same id and the entry.
desktop=/usr/share/applications/$id.desktop
metainfo=/usr/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry in /usr/share/applications"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$(as_player "command -v '$command'")" = "$program" ] || fail "the desktop entry starts '$command'"
icon=$(sed -n 's/^Icon=//p' "$desktop")
icons=$(grep -c "^/usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$icon\.png\$" /tmp/files || true)
[ "$icons" -ge 1 ] || fail "no icon $icon in the hicolor theme"
[ -f "$metainfo" ] || fail "no metainfo in /usr/share/metainfo"
grep -q "<id>$id</id>" "$metainfo" && grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo names another id or entry"
echo "ok: $desktop starts $command, icon $icon in $icons sizes, $metainfo"

apt-get -y -q remove --purge dorvek-light >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "apt-get remove --purge"; }
state=$(dpkg-query -W -f '${db:Status-Status}' dorvek-light 2>/dev/null || true)
[ -z "$state" ] || [ "$state" = not-installed ] || fail "dpkg still has dorvek-light: $state"
# Left behind: a path of the package that is there now but was not before the
# install, or any new path that names the game, unless a package still
# installed owns it (the folders of the icon theme, say, that a dependency
# brought too).
find / -xdev -path /tmp -prune -o -print | sort | comm -13 /tmp/before - >/tmp/new
left=$({ grep -Fx -f /tmp/files /tmp/new || true; grep -i dorvek /tmp/new || true; } | sort -u |
    while read -r path; do dpkg-query -S "$path" >/dev/null 2>&1 || echo "$path"; done)
[ -z "$left" ] || fail "left behind after the purge: $left"
echo "ok: purged; none of its $(wc -l </tmp/files) paths nor anything else named after it is left"

apt-get -y -q install --no-install-recommends lintian >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "installing lintian"; }
echo "lintian $(lintian --version | sed 's/^Lintian v//'), on the source and binary packages ($(basename "$changes")):"
chmod -R a+rX /tmp/package
# Shown with the overridden tags and their reasons; judged without them,
# as --show-overrides makes an overridden warning fail the run.
as_player "lintian --display-info --pedantic --show-overrides $changes" >/tmp/lintian 2>&1 || true
sed 's/^/    /' /tmp/lintian
[ -s /tmp/lintian ] || echo "    no tag at all, not even an informational or pedantic one"
as_player "lintian --fail-on error,warning --display-info --pedantic $changes" >/dev/null 2>&1 \
    || fail "lintian reports errors or warnings"
echo "ok: lint clean (no error, no warning)"

# The package's own tests, on the installed package as Debian's CI runs them.
apt-get -y -q install --no-install-recommends autopkgtest xz-utils >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "installing autopkgtest"; }
mkdir /tmp/source
tar -xf /tmp/package/dorvek-light_*.tar.* -C /tmp/source
status=0
autopkgtest /tmp/source/dorvek-light-*/ "$deb" -- null >/tmp/autopkgtest 2>&1 || status=$?
sed -n '/^installed-game\|^desktop-identity\|^ok:\|^FAIL\|^WM_CLASS\|^_KDE_NET_WM\|^_NET_WM_ICON\|set_app_id\|: started in\|^[EWIP]: \|Validation/p' /tmp/autopkgtest |
    grep -v 'Is /dev/pts mounted' | sed 's/^/    /'
[ "$status" -eq 0 ] || { tail -n 40 /tmp/autopkgtest; fail "autopkgtest (status $status)"; }
echo "ok: autopkgtest $(autopkgtest --version 2>/dev/null || dpkg-query -W -f '${Version}' autopkgtest) passed"
IN_CHROOT
    cleanup
done
echo "=== the package passed on: $*"
