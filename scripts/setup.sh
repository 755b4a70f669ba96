#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, running and testing the game need on Debian 12
# and 13, asking apt only for what is missing; with --game first, only what
# building and running the game need. Packages named on the command line
# are installed too, the same way.
set -eu

game="cmake g++ make qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools itstool gettext appstream
      libxcb1-dev libpulse-dev libfontconfig-dev pkgconf
      libqt6multimedia6 fonts-dejavu-core fontconfig"
checks="xvfb xauth desktop-file-utils pulseaudio pulseaudio-utils"
if [ "${1:-}" = --game ]; then
    shift
    checks=""
fi
packages="$game $checks $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

# Japanese needs a font with its glyphs. Any will do; when there is none,
# IPAex Gothic is small, proportional for the Latin letters in Japanese
# texts too, and its compact line height leaves the fixed window room.
if [ -z "$(fc-list :lang=ja family)" ]; then
    echo "Installing a Japanese font: fonts-ipaexfont-gothic"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends fonts-ipaexfont-gothic
fi
