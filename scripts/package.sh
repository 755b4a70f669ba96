#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package build-package/dorvek-light_<version>_<arch>.deb
# with debhelper and lints it. The build runs the test suite too, unless
# DEB_BUILD_OPTIONS holds nocheck. It works on a copy of the sources in
# build-package/, so the debhelper by-products and the files
# dpkg-buildpackage writes beside the source folder stay out of the tree.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build-essential debhelper dpkg-dev lintian

version=$(dpkg-parsechangelog -SVersion)
arch=$(dpkg --print-architecture)
out=build-package
source=$out/dorvek-light-$version
rm -rf "$out"
mkdir -p "$source"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$source"

(cd "$source" && dpkg-buildpackage --build=binary --no-sign -j"$(nproc)")

deb=$out/dorvek-light_${version}_${arch}.deb
lintian --fail-on error,warning --display-info "$deb"
echo "Built and lint clean: $deb"
