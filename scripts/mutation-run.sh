#!/bin/sh
# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the faults of scripts/mutation-faults.txt into the game one at a time
# and runs the whole suite against each: a fault the suite lets through is a
# fault a player could meet. Works on a copy of the last commit in
# build-mutation/ (src/ and build/ there are kept between runs, so each fault
# costs an incremental build and one run of the suite).
#
# usage: scripts/mutation-run.sh [--check] [--equivalent] [--list FILE] [--work DIR] [SELECTION...]
#
#   SELECTION     fault ids, or folders (cpu/, services/...); all faults when none
#   --check       only checks that every fault applies, without building
#   --equivalent  runs the faults listed as equivalent too, to confirm that
#                 the suite cannot tell them (they stay out of the count)
#
# Exit status: 0 when every fault counted was caught; 1 when one got
# through, did not apply or broke the build; 2 on a usage error or a
# suite that already fails without any fault.
set -eu
# Read whole before it runs, so that editing this file meanwhile cannot
# derail a run of two hours.
{
repo=$(cd "$(dirname "$0")/.." && pwd)
list="$repo/scripts/mutation-faults.txt"
work="$repo/build-mutation"
check_only=0
with_equivalent=0
selection=""
while [ $# -gt 0 ]; do
    case "$1" in
    --check) check_only=1 ;;
    --equivalent) with_equivalent=1 ;;
    --list) list=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift ;;
    --work) mkdir -p "$2"; work=$(cd "$2" && pwd); shift ;;
    -h | --help) sed -n '5,20p' "$0" | cut -c3-; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) selection="$selection ${1%/}" ;;
    esac
    shift
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One folder per fault under $tmp/faults, one file per field, so that no
# character of a fault's text needs quoting anywhere.
#   [id] file
#   noticed: what a player would meet      (or  equivalent: why nobody can)
#   - the original text, exactly once in the file
#   + what it becomes (nothing after "+" deletes it)
mkdir "$tmp/faults"
awk -v dir="$tmp/faults" '
    function fail(what) { printf "%s:%d: %s\n", FILENAME, FNR, what > "/dev/stderr"; bad = 1 }
    function field(name, value) { printf "%s", value > (dir "/" d "/" name); close(dir "/" d "/" name) }
    function finish() {
        if (n && !(have["kind"] && have["from"] && have["to"]))
            fail("fault " id " lacks its noticed/equivalent, - or + line")
    }
    /^[ \t]*(#|$)/ { next }
    /^\[[^]]+\] [^ ]+$/ {
        finish()
        split(substr($0, 2), parts, "] ")
        id = parts[1]
        if (id in seen) fail("fault " id " listed twice")
        seen[id] = 1
        d = sprintf("%03d", ++n)
        system("mkdir \"" dir "/" d "\"")
        field("id", id); field("file", parts[2])
        delete have
        next
    }
    !n { fail("a fault begins with [id] file"); next }
    /^noticed: / { field("kind", "counted"); field("note", substr($0, 10)); have["kind"] = 1; next }
    /^equivalent: / { field("kind", "equivalent"); field("note", substr($0, 13)); have["kind"] = 1; next }
    /^- / { field("from", substr($0, 3)); have["from"] = 1; next }
    /^\+( |$)/ { field("to", substr($0, 3)); have["to"] = 1; next }
    { fail("not part of a fault: " $0) }
    END { finish(); exit bad }
' "$list" || exit 2

selected() {
    [ -z "$selection" ] && return 0
    for wanted in $selection; do
        case "$1" in "$wanted" | "$wanted"/*) return 0 ;; esac
        [ "$2" = "$wanted" ] && return 0
    done
    return 1
}

# How often `from` occurs in `file`, and the file with its one occurrence
# replaced by `to` on standard output.
occurrences() {
    FROM=$(cat "$1/from") awk 'BEGIN { RS = "^$" } {
        n = 0; rest = $0
        while ((i = index(rest, ENVIRON["FROM"])) > 0) { n++; rest = substr(rest, i + 1) }
        print n
    }' "$2"
}
mutated() {
    FROM=$(cat "$1/from") TO=$(cat "$1/to") awk 'BEGIN { RS = "^$"; ORS = "" } {
        i = index($0, ENVIRON["FROM"])
        print substr($0, 1, i - 1) ENVIRON["TO"] substr($0, i + length(ENVIRON["FROM"]))
    }' "$2"
}

# The last commit, as the game's files would be checked out.
mkdir "$tmp/pristine"
git -C "$repo" archive HEAD | tar -x -C "$tmp/pristine"
commit=$(git -C "$repo" rev-parse --short HEAD)

chosen=0
for f in "$tmp"/faults/*; do
    file=$(cat "$f/file")
    if ! selected "$file" "$(cat "$f/id")"; then
        rm -r "$f"
        continue
    fi
    chosen=$((chosen + 1))
    if [ "$(cat "$f/from")" = "$(cat "$f/to")" ]; then
        echo "$(cat "$f/id"): its - and + lines are the same" >&2
        exit 2
    fi
    if [ ! -f "$tmp/pristine/$file" ]; then
        echo "no file" > "$f/unapplied"
    else
        found=$(occurrences "$f" "$tmp/pristine/$file")
        [ "$found" -eq 1 ] || echo "found $found times" > "$f/unapplied"
    fi
done
if [ "$chosen" -eq 0 ]; then
    echo "no fault matches:$selection" >&2
    exit 2
fi

report_unapplied() {
    for f in "$tmp"/faults/*; do
        [ -f "$f/unapplied" ] || continue
        echo "  DOES NOT APPLY  $(cat "$f/id") ($(cat "$f/file"): $(cat "$f/unapplied"))"
    done
}
if [ "$check_only" -eq 1 ]; then
    unapplied=$(report_unapplied)
    echo "$chosen faults checked against $commit"
    [ -z "$unapplied" ] && exit 0
    echo "$unapplied"
    exit 1
fi

# The copy keeps the times of files that did not change, so the build after
# it stays incremental.
mkdir -p "$work/src"
(cd "$tmp/pristine" && find . -type f) | while read -r path; do
    if ! cmp -s "$tmp/pristine/$path" "$work/src/$path"; then
        mkdir -p "$(dirname "$work/src/$path")"
        cp "$tmp/pristine/$path" "$work/src/$path"
    fi
done
(cd "$work/src" && find . -type f) | while read -r path; do
    [ -e "$tmp/pristine/$path" ] || rm -f "$work/src/$path"
done

log="$work/last-fault.log"
build() {
    # The asset generator only draws the files that are missing, so one a
    # fault made it draw would outlive the fault; the build draws them all
    # anew in under a second.
    (cd "$work/build" && rm -rf gazo ico icons wave)
    cmake --build "$work/build" --parallel "$(nproc)" > "$log" 2>&1
}
suite() {
    (cd "$work/build" && QT_QPA_PLATFORM=offscreen ctest --stop-on-failure --timeout 300 > "$log" 2>&1)
}
failed_test() {
    sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$log" | head -n 1
}
# A test that fails once but passes when run again alone may have failed
# for the machine's load rather than for the fault: then the whole suite
# runs once more, and its verdict stands.
judge() {
    if suite; then
        echo "got through"
        return
    fi
    first=$(failed_test)
    if [ -n "$first" ] && (cd "$work/build" &&
        QT_QPA_PLATFORM=offscreen ctest -R "^$first\$" --timeout 300 >> "$log" 2>&1); then
        if suite; then
            echo "got through ($first failed once, then passed)"
            return
        fi
        first=$(failed_test)
    fi
    echo "caught by ${first:-the suite}"
}
now() { date +%s; }

started=$(now)
echo "Mutation run on $commit in $work"
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release > "$log" 2>&1 || { cat "$log"; exit 2; }
build || { echo "the unchanged game does not build:"; tail -n 30 "$log"; exit 2; }
suite_started=$(now)
if ! suite; then
    echo "the suite already fails without a fault:"
    tail -n 30 "$log"
    exit 2
fi
suite_time=$(($(now) - suite_started))
counted=0
for f in "$tmp"/faults/*; do
    [ -f "$f/unapplied" ] && continue
    [ "$(cat "$f/kind")" = counted ] || [ "$with_equivalent" -eq 1 ] || continue
    counted=$((counted + 1))
done
# An incremental build of one file here takes about 40 s.
echo "The suite takes ${suite_time} s unchanged; $counted faults to run, about" \
    "$(((counted * (suite_time + 40) + 59) / 60)) min."

done_count=0
last=""
for f in "$tmp"/faults/*; do
    [ -f "$f/unapplied" ] && continue
    kind=$(cat "$f/kind")
    [ "$kind" = counted ] || [ "$with_equivalent" -eq 1 ] || continue
    id=$(cat "$f/id")
    file=$(cat "$f/file")
    if [ -n "$last" ]; then
        cp "$tmp/pristine/$last" "$work/src/$last"
    fi
    mutated "$f" "$tmp/pristine/$file" > "$work/src/$file"
    last=$file
    done_count=$((done_count + 1))
    fault_started=$(now)
    if ! build; then
        echo "breaks the build" > "$f/outcome"
    else
        judge > "$f/outcome"
    fi
    printf '[%d/%d] %-38s %s (%d s)\n' "$done_count" "$counted" "$id" "$(cat "$f/outcome")" \
        $(($(now) - fault_started))
done
if [ -n "$last" ]; then
    cp "$tmp/pristine/$last" "$work/src/$last"
fi

# The summary: counted faults only, by folder.
echo
echo "By folder (caught / run):"
for f in "$tmp"/faults/*; do
    [ "$(cat "$f/kind")" = counted ] && [ -f "$f/outcome" ] || continue
    printf '%s %s\n' "$(dirname "$(cat "$f/file")")" "$(cut -d' ' -f1 "$f/outcome")"
done | awk '
    $2 == "caught" { caught[$1]++ }
    $2 == "caught" || $2 == "got" { run[$1]++; total++; if ($2 == "caught") all++ }
    END {
        for (folder in run) printf "  %-10s %3d / %-3d %3d %%\n", folder "/", caught[folder], run[folder], 100 * caught[folder] / run[folder]
        if (total) printf "  %-10s %3d / %-3d %3d %%\n", "all", all, total, 100 * all / total
    }' | sort
status=0
echo
for f in "$tmp"/faults/*; do
    [ -f "$f/outcome" ] || continue
    id=$(cat "$f/id")
    case "$(cat "$f/kind") $(cat "$f/outcome")" in
    "counted got through"*)
        echo "  GOT THROUGH     $id ($(cat "$f/file")): $(cat "$f/note")"; status=1 ;;
    "equivalent caught"*)
        echo "  NOT EQUIVALENT  $id ($(cat "$f/file")): $(cat "$f/outcome")" ;;
    "equivalent got through"*)
        echo "  equivalent      $id: $(cat "$f/note") (confirmed)" ;;
    *"breaks the build")
        echo "  BREAKS BUILD    $id ($(cat "$f/file"))"; status=1 ;;
    esac
done
unapplied=$(report_unapplied)
if [ -n "$unapplied" ]; then
    echo "$unapplied"
    status=1
fi
if [ "$with_equivalent" -eq 0 ]; then
    for f in "$tmp"/faults/*; do
        [ "$(cat "$f/kind")" = equivalent ] && [ ! -f "$f/unapplied" ] || continue
        echo "  equivalent      $(cat "$f/id"): $(cat "$f/note")"
    done
fi
elapsed=$(($(now) - started))
echo
echo "Done in $((elapsed / 60)) min $((elapsed % 60)) s."
exit $status
}
