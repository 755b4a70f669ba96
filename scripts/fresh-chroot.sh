# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the checks that try the game in a brand-new Debian. Needs root.
# fresh_chroot RELEASE NAME makes a minimal chroot of RELEASE in $root, with
# /proc mounted; cleanup (also run on exit) takes it away again. The
# bootstrap downloads and the packages apt fetches in the chroot are kept in
# /var/cache/dorvek-light-check for the next run.

command -v debootstrap >/dev/null || scripts/setup.sh debootstrap
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=/var/cache/dorvek-light-check
mkdir -p "$cache"
root=""

cleanup() {
    if [ -n "$root" ]; then
        umount "$root/var/cache/apt/archives" 2>/dev/null || true
        umount "$root/dev/shm" 2>/dev/null || true
        umount "$root/proc" 2>/dev/null || true
        rm -rf --one-file-system "$root"
        root=""
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fresh_chroot() {
    tarball=$cache/$1-minbase.tar.gz
    if [ ! -f "$tarball" ]; then
        scratch=$(mktemp -d /var/tmp/dorvek-light-bootstrap.XXXXXX)
        debootstrap --variant=minbase --make-tarball="$tarball.part" "$1" "$scratch" "$mirror" >/dev/null
        rm -rf "$scratch"
        mv "$tarball.part" "$tarball"
    fi
    root=$(mktemp -d /var/tmp/dorvek-light-"$2"-"$1".XXXXXX)
    chmod 755 "$root"
    debootstrap --variant=minbase --unpack-tarball="$tarball" "$1" "$root" "$mirror" >/dev/null
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # An archive snapshot may serve a Release file whose Valid-Until has
    # passed; its signature is still checked.
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/80dorvek-light-check"
    mkdir -p "$cache/$1-archives"
    mount --bind "$cache/$1-archives" "$root/var/cache/apt/archives"
    mount -t proc proc "$root/proc"
}
