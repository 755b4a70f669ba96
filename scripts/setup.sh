#!/bin/sh
# Installs what building, running and testing the game need on Debian 12,
# asking apt only for what is missing.
set -eu

packages="cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
          libqt6multimedia6 fonts-dejavu-core xvfb xauth"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
