#!/bin/bash
# Compares two builds of stumpcraft-verify on every bench scale, clean and
# damaged: the --all --json output and the files --write leaves must be
# byte-identical. Run it before and after any change to verification.
#
#   bench/compare-verify.sh OLD_VERIFY NEW_VERIFY [--large] [--build-dir DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
old=$(realpath "$1")
new=$(realpath "$2")
shift 2
build="$root/build"
scales="1 real 10 100"
while [ $# -gt 0 ]; do
    case "$1" in
    --large) scales="$scales 1000" ;;
    --build-dir) build=$2; shift ;;
    *) echo "compare-verify.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
work="$build/bench-compare"
sample="$root/data/scenarios/Tellavar - 2008"
mkdir -p "$work"

# The JSON and the written files of one verify binary on one scenario.
snapshot() {
    local verify=$1 source=$2 out=$3
    rm -rf "$out"
    cp -r "$source" "$out"
    "$verify" --all --json --write "$out" >"$out.json" || echo "exit $?" >>"$out.json"
    (cd "$out" && md5sum *.xml) >"$out.md5"
    rm -rf "$out"
}

differences=0
for scale in $scales; do
    for damage in 0 1 2; do
        name="scale-$scale-damage-$damage"
        source="$work/$name"
        if [ ! -d "$source" ]; then
            size=(--scale "$scale")
            [ "$scale" = real ] && size=(--real)
            "$build/bin/stumpcraft-bench-make" "$sample" "$source" "${size[@]}" --damage "$damage"
        fi
        snapshot "$old" "$source" "$work/old-$name"
        snapshot "$new" "$source" "$work/new-$name"
        if cmp -s "$work/old-$name.json" "$work/new-$name.json" &&
            cmp -s "$work/old-$name.md5" "$work/new-$name.md5"; then
            printf '%-24s same (%s messages)\n' "$name" \
                "$(grep -c '"message"' "$work/new-$name.json" || true)"
        else
            printf '%-24s DIFFERENT\n' "$name"
            differences=1
        fi
    done
done
exit $differences
