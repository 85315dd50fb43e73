#!/usr/bin/env bash
# Builds the benchmarks in their own tree and runs them: tools/bench.sh [DIR] (default build-bench).
# The comparison with QCustomPlot needs Debian's libqcustomplot-dev; only the benchmarks use it,
# so it is installed here and never for the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bench_packages=(libqcustomplot-dev)
bash tools/setup.sh "${bench_packages[@]}"
export QT_QPA_PLATFORM=offscreen
dir=${1:-build-bench}
bash tools/build.sh "$dir"
for b in "$dir"/bin/bench_*; do
    [ "$(basename "$b")" = bench_versus_qcustomplot ] && continue
    echo "== $(basename "$b")"
    "$b"
done
echo "== bench_versus_qcustomplot"
"$dir"/bin/bench_versus_qcustomplot --images "$dir/versus_qcustomplot"
