#!/usr/bin/env bash
# Runs every loader fuzz target for a while, several side by side, each seeded
# with its kind of file from a data tree. Fails when any target finds a crash,
# a hang or undefined behaviour; the input that did it is kept in the output
# folder.
#
# usage: tests/fuzz/run.sh <fuzz build folder> <data folder> [seconds each] [side by side] [output folder]
set -uo pipefail

build=${1:?fuzz build folder}
data=${2:?data folder}
seconds=${3:-10}
jobs=${4:-4}
out=${5:-$build/fuzz-findings}
mkdir -p "$out"
# The targets work in scratch folders of their own: the findings' path must not depend on it.
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# seed <loader> <find arguments...>: up to 40 of the matching files as that loader's first corpus.
seed() {
    local loader=$1
    shift
    mkdir -p "$work/$loader"
    find "$data" "$@" -type f -size -200k 2>/dev/null | sort | head -n 40 |
        while read -r f; do cp "$f" "$work/$loader/$(echo "$f" | tr / _)"; done
}
seed sprite_info -path '*/characters/*/*/info'
seed bmp -name '*.bmp' -size -20k
seed background -path '*/background/*' -maxdepth 3 -name info
seed animations -path '*/characters/*' -maxdepth 3 -name info
seed moves -name moveset
seed chardata -name chardata
seed particles -name particle
seed gamepad -name '*.GPad'
seed config -name '*.conf'
seed font -name font.ini
seed sounds -name sound
seed attacks -name attack
printf '1.0.1\n0\n640\n480\n60\n60\n' > "$work/config/default.conf"

loaders=(sprite_info bmp background animations moves chardata particles gamepad config font sounds attacks)
run() {
    local loader=$1
    if "$build/tests/fuzz/fuzz_$loader" "$work/$loader" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -detect_leaks=0 -print_final_stats=0 -artifact_prefix="$out/$loader-" \
        > "$out/$loader.log" 2>&1; then
        echo "fuzz $loader: clean"
    else
        echo "fuzz $loader: FAILED (see $out/$loader.log)"
        tail -n 30 "$out/$loader.log"
        return 1
    fi
}
export -f run
export build work seconds out

printf '%s\n' "${loaders[@]}" | xargs -P "$jobs" -I{} bash -c 'run {}'
