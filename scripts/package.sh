#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source package and the binary package
# build-package/dorvek-light_<version>_<arch>.deb with debhelper, and lints
# them together through the .changes file. The build runs the test suite
# too, unless DEB_BUILD_OPTIONS holds nocheck. It works on a copy of the
# sources in the output folder, so the debhelper by-products and the files
# dpkg-buildpackage writes beside the source folder stay out of the tree.
#
# usage: scripts/package.sh [OUTPUT_FOLDER]   (default: build-package)
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build-essential debhelper dpkg-dev lintian

version=$(dpkg-parsechangelog -SVersion)
arch=$(dpkg --print-architecture)
out=${1:-build-package}
source=$out/dorvek-light-$version
rm -rf "$out"
mkdir -p "$source"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$source"

(cd "$source" && dpkg-buildpackage --build=full --no-sign -j"$(nproc)")

changes=$out/dorvek-light_${version}_${arch}.changes
lintian --fail-on error,warning --display-info --pedantic "$changes"
echo "Built and lint clean (source and binary): $changes"
