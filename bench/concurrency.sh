#!/bin/bash
# Several programs on one scenario at once. For each N, N programs open,
# verify and (two times in three) save one k=100 scenario at random moments
# for a while; then the folder must open and hold the ten files of one whole
# save, with nothing left behind. Prints per N the opens, saves done, saves
# and opens refused with the busy sentence, other failures, files lost (must
# be 0) and the versions found in the ten files (must be 1).
#
#   bench/concurrency.sh [--build-dir DIR] [--work DIR] [--seconds S]
#                        [--programs "2 4 8"]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build="$root/build"
work=""
seconds=60
programs="2 4 8"
while [ $# -gt 0 ]; do
    case "$1" in
    --build-dir) build=$2; shift ;;
    --work) work=$2; shift ;;
    --seconds) seconds=$2; shift ;;
    --programs) programs=$2; shift ;;
    -h | --help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "concurrency.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
work=${work:-$build/bench}
bin="$build/bin"
source="$work/scale-100"
mkdir -p "$work"
[ -d "$source" ] ||
    "$bin/stumpcraft-bench-make" "$root/data/scenarios/Tellavar - 2008" "$source" --scale 100

printf '%-3s %7s %7s %8s %7s %6s %9s %6s\n' N opens saves refused failed lost versions whole
status=0
for n in $programs; do
    folder="$work/concurrent-$n"
    rm -rf "$folder" "$folder".out.* "$folder".err.*
    cp -r "$source" "$folder"
    for i in $(seq "$n"); do
        "$bin/stumpcraft-bench-concurrent" --run "$folder" "$seconds" "p$i" \
            >"$folder.out.$i" 2>"$folder.err.$i" &
    done
    wait
    totals=$(tail -q -n 1 "$folder".out.* |
        awk '{ o += $2; s += $4; r += $6; f += $8 } END { print o, s, r, f }')
    read -r opens saves refused failed <<<"$totals"
    check=$("$bin/stumpcraft-bench-concurrent" --check "$folder") || status=1
    read -r _ lost _ versions _ leftovers _ stamp <<<"$check"
    # The files on disk are whole and of one save that some program made.
    whole=no
    if [ "$lost" = 0 ] && [ "$versions" = 1 ] && [ "$leftovers" = 0 ] &&
        grep -qx "saved $stamp" "$folder".out.*; then
        whole=yes
    else
        status=1
    fi
    printf '%-3s %7s %7s %8s %7s %6s %9s %6s\n' "$n" "$opens" "$saves" "$refused" "$failed" \
        "$lost" "$versions" "$whole"
    [ "$failed" = 0 ] || { status=1; cat "$folder".err.* >&2; }
done
exit $status
