#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a number of seconds: tools/fuzz.sh DIR SECONDS
set -euo pipefail
dir=$1
seconds=${2:-60}
shopt -s nullglob
found=0
for f in "$dir"/bin/fuzz_*; do
    [ -x "$f" ] || continue
    found=1
    name=$(basename "$f")
    corpus="$dir/corpus/$name"
    mkdir -p "$corpus"
    seeds="$(dirname "$0")/../tests/corpus/$name"
    [ -d "$seeds" ] || seeds=""
    echo "fuzzing $name for ${seconds}s"
    "$f" -max_total_time="$seconds" -print_final_stats=0 "$corpus" $seeds >"$dir/$name.log" 2>&1 || {
        tail -n 40 "$dir/$name.log"
        echo "$name found a fault"
        exit 1
    }
done
[ $found = 1 ] || echo "no fuzz targets built"
