#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks with reuse that every file says whose it is and under which
# licence. The files that cannot carry a comment are named in REUSE.toml,
# which reuse reads from version 4 on (Debian 13). Debian 12's reuse 1.1
# knows only the older .reuse/dep5 instead, and the newer refuses a tree with
# both; so for an older reuse the files are linted in a scratch copy that
# carries REUSE.toml's annotations as .reuse/dep5.
set -eu
cd "$(dirname "$0")/.."
command -v reuse >/dev/null || scripts/setup.sh reuse

major=$(reuse --version | head -n 1 | grep -o '[0-9][0-9]*' | head -n 1)
if [ "$major" -ge 4 ]; then
    exec reuse lint
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# What reuse itself would look at: the tracked files and the new ones git
# does not ignore.
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$scratch"
git init -q "$scratch"
mkdir "$scratch/.reuse"
python3 - REUSE.toml >"$scratch/.reuse/dep5" <<'EOF'
import sys
import tomllib

with open(sys.argv[1], "rb") as source:
    toml = tomllib.load(source)
if toml.pop("version") != 1 or set(toml) - {"annotations"}:
    sys.exit("REUSE.toml: only version 1 annotations can be carried over")

def as_list(value):
    return value if isinstance(value, list) else [value]

print("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
for annotation in toml["annotations"]:
    if set(annotation) - {"path", "SPDX-FileCopyrightText", "SPDX-License-Identifier"}:
        sys.exit(f"REUSE.toml: cannot carry over {sorted(annotation)}")
    # A dep5 '*' crosses folders as REUSE.toml's '**' does; a single '*'
    # therefore covers at least what it covers in REUSE.toml.
    paths = [path.replace("**", "*") for path in as_list(annotation["path"])]
    print()
    print("Files:", " ".join(paths))
    print("Copyright:", "\n ".join(as_list(annotation["SPDX-FileCopyrightText"])))
    print("License:", annotation["SPDX-License-Identifier"])
EOF
cd "$scratch"
reuse lint
