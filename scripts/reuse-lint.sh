#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks with reuse that every file says whose it is and under which
# licence. Files that cannot carry a comment (pictures, test data, Debian's
# fixed formats, the translations lupdate rewrites) say it in a ".license"
# file beside them: the one form that Debian 12's reuse 1.1 and Debian 13's
# newer one both read.
set -eu
cd "$(dirname "$0")/.."
command -v reuse >/dev/null || scripts/setup.sh reuse
exec reuse lint
