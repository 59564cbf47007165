#!/bin/bash
# The benchmark in one command: builds the programs, makes the scaled
# scenarios from the sample, checks that each verifies clean, then times the
# product against the floor on each scale, alternating them, and prints
# medians, ratios, growth from scale to scale and peak memory, then the
# editor's own timings at k=1, k=100 (and k=1000 with --large).
#
#   bench/run.sh [--large] [--runs N] [--smoke] [--no-gui] [--build-dir DIR]
#                [--no-build] [--work DIR] [--concurrency]
#
# --large   adds k=1000 (148 MB of XML; minutes, not seconds)
# --concurrency  adds bench/concurrency.sh: 2, 4 and 8 programs saving one
#           k=100 scenario at once for a minute each
# --runs N  repetitions per scale (default 5; 3 at k=100, 2 at k=1000)
# --smoke   k=1 and k=10 once each, no figures worth reading: for the tests
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build="$root/build"
work=""
runs=""
build_first=1
scales="1 real 10 100"
smoke=0
gui=1
concurrency=0

while [ $# -gt 0 ]; do
    case "$1" in
    --large) scales="$scales 1000" ;;
    --runs) runs=$2; shift ;;
    --smoke) smoke=1; scales="1 10"; runs=1 ;;
    --build-dir) build=$2; shift ;;
    --no-build) build_first=0 ;;
    --no-gui) gui=0 ;;
    --concurrency) concurrency=1 ;;
    --work) work=$2; shift ;;
    -h | --help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
work=${work:-$build/bench}
bin="$build/bin"
sample="$root/data/scenarios/Tellavar - 2008"

if [ $build_first = 1 ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target bench-programs >/dev/null
fi
# The smoke run starts from nothing, so it also tests the generator.
[ $smoke = 1 ] && rm -rf "$work"
mkdir -p "$work"

# Medians of a column of numbers.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# cpu seconds and peak kilobytes of one command, appended to a file.
timed() {
    local out=$1; shift
    "$bin/stumpcraft-bench-time" "$out" "$@" >/dev/null 2>"$out.err" || {
        echo "run.sh: failed: $*" >&2; cat "$out.err" >&2; exit 1; }
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

echo "# Stumpcraft benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "# $(uname -srm), $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo

declare -A total floor_total peak floor_peak bytes
for scale in $scales; do
    source="$work/scale-$scale"
    if [ ! -d "$source" ]; then
        if [ "$scale" = real ]; then
            "$bin/stumpcraft-bench-make" "$sample" "$source" --real
        else
            "$bin/stumpcraft-bench-make" "$sample" "$source" --scale "$scale"
        fi
    fi
    # Every scale verifies clean, or its timings would measure messages.
    if ! "$bin/stumpcraft-verify" --all "$source" >"$work/verify-$scale.txt"; then
        echo "run.sh: scale $scale does not verify clean:" >&2
        head "$work/verify-$scale.txt" >&2
        exit 1
    fi
    bytes[$scale]=$(cat "$source"/*.xml | wc -c)
    rm -rf "$work/product-$scale" "$work/floor-$scale"
    cp -r "$source" "$work/product-$scale"
    cp -r "$source" "$work/floor-$scale"
    n=${runs:-5}
    [ -z "$runs" ] && [ "$scale" = 100 ] && n=3
    [ -z "$runs" ] && [ "$scale" = 1000 ] && n=2
    t="$work/times-$scale"
    rm -f "$t".*
    for _ in $(seq "$n"); do
        timed "$t.product" "$bin/stumpcraft-verify" --all --write "$work/product-$scale"
        timed "$t.floor" "$bin/stumpcraft-bench-floor" "$work/floor-$scale"
        "$bin/stumpcraft-bench-phases" "$work/product-$scale" >>"$t.phases"
    done
    # The floor is only a yardstick while it writes what the editor writes.
    for file in "$work/product-$scale"/*.xml; do
        if ! cmp -s "$file" "$work/floor-$scale/${file##*/}"; then
            echo "run.sh: scale $scale: the floor writes ${file##*/} unlike the editor" >&2
            exit 1
        fi
    done
    total[$scale]=$(cut -d' ' -f1 "$t.product" | median)
    floor_total[$scale]=$(cut -d' ' -f1 "$t.floor" | median)
    peak[$scale]=$(cut -d' ' -f2 "$t.product" | median)
    floor_peak[$scale]=$(cut -d' ' -f2 "$t.floor" | median)
    load=$(cut -d' ' -f1 "$t.phases" | median)
    verify=$(cut -d' ' -f2 "$t.phases" | median)
    write=$(cut -d' ' -f3 "$t.phases" | median)
    if [ "$scale" = "${scales%% *}" ]; then
        printf '%-6s %8s %5s %9s %9s %7s %9s %9s %9s %9s %9s %6s\n' scale "XML MB" runs \
            "floor s" "product s" ratio "load ms" "verify ms" "write ms" "peak MB" \
            "floor MB" "mem x"
    fi
    printf '%-6s %8.1f %5d %9.4f %9.4f %7s %9.1f %9.1f %9.1f %9.1f %9.1f %6s\n' "$scale" \
        "$(awk -v b="${bytes[$scale]}" 'BEGIN { print b / 1e6 }')" "$n" "${floor_total[$scale]}" \
        "${total[$scale]}" "$(ratio "${total[$scale]}" "${floor_total[$scale]}")" "$load" \
        "$verify" "$write" "$(awk -v k="${peak[$scale]}" 'BEGIN { print k / 1024 }')" \
        "$(awk -v k="${floor_peak[$scale]}" 'BEGIN { print k / 1024 }')" \
        "$(ratio "${peak[$scale]}" "${floor_peak[$scale]}")"
done

echo
echo "growth from scale to scale (cpu time; data in XML bytes):"
previous=""
for scale in $scales; do
    [ "$scale" = real ] && continue
    if [ -n "$previous" ]; then
        printf '  k=%s -> k=%s: data %sx, product %sx, floor %sx\n' "$previous" "$scale" \
            "$(ratio "${bytes[$scale]}" "${bytes[$previous]}")" \
            "$(ratio "${total[$scale]}" "${total[$previous]}")" \
            "$(ratio "${floor_total[$scale]}" "${floor_total[$previous]}")"
    fi
    previous=$scale
done

if [ $gui = 1 ] && [ -x "$bin/stumpcraft-bench-gui" ]; then
    gui_data="$work/gui-data"
    rm -rf "$gui_data"
    mkdir -p "$gui_data/scenarios"
    cp -r "$root/data/default.vrx" "$root/data/default_images" "$gui_data/" 2>/dev/null || true
    g="$work/times-gui"
    rm -f "$g"
    # The scales that grow (not "real"), each in a program of its own: one
    # scale's memory must not weigh on the next.
    for scale in $scales; do
        [ "$scale" = real ] && continue
        [ "$scale" = 10 ] && [ $smoke = 0 ] && continue
        name="k=$scale"
        cp -r "$work/scale-$scale" "$gui_data/scenarios/$name"
        n=${runs:-5}
        [ -z "$runs" ] && [ "$scale" = 100 ] && n=3
        [ -z "$runs" ] && [ "$scale" = 1000 ] && n=1
        for _ in $(seq "$n"); do
            QT_QPA_PLATFORM=offscreen "$bin/stumpcraft-bench-gui" "$gui_data" "$name" >>"$g" \
                2>"$g.err" || { echo "run.sh: the GUI bench failed on $name:" >&2; cat "$g.err" >&2; exit 1; }
        done
    done
    echo
    echo "GUI (offscreen, wall ms unless the label says MB; median of ${runs:-5}, 3 at k=100, 1 at k=1000):"
    # Lines are "label<TAB>value"; one median per label, in first-seen order.
    cut -f1 "$g" | awk '!seen[$0]++' | while IFS= read -r label; do
        printf '  %-52s %9.2f\n' "$label" \
            "$(awk -F'\t' -v l="$label" '$1 == l { print $2 }' "$g" | median)"
    done
fi

# The map editor's redraw and click test, on a 51-region map the program
# makes itself (needs Google Benchmark; left out when it was not found).
if [ $gui = 1 ] && [ $smoke = 0 ] && [ -x "$bin/map_bench" ]; then
    echo
    # Google Benchmark gives medians from three repetitions on.
    map_runs=${runs:-5}
    [ "$map_runs" -lt 3 ] && map_runs=3
    echo "Map (51 regions, cpu, median of $map_runs):"
    "$bin/map_bench" --benchmark_repetitions="$map_runs" --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null |
        awk -F, '$1 ~ /_median"?$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1);
                                    printf "  %-44s %8.3f %s\n", $1, $4, $5 }'
fi

if [ $concurrency = 1 ]; then
    echo
    echo "Concurrency (programs opening, verifying and saving k=100 at once, 60 s each):"
    "$here/concurrency.sh" --build-dir "$build" --work "$work"
fi
