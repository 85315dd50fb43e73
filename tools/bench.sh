#!/usr/bin/env bash
# Builds the benchmarks in their own tree and runs them: tools/bench.sh [DIR] (default build-bench).
# The comparison with QCustomPlot needs Debian's libqcustomplot-dev; only the benchmarks use it,
# so it is installed here and never for the tests. A benchmark program that fails is named at the
# end, after the others have run.
set -euo pipefail
cd "$(dirname "$0")/.."
bench_packages=(libqcustomplot-dev)
bash tools/setup.sh "${bench_packages[@]}"
export QT_QPA_PLATFORM=offscreen
dir=${1:-build-bench}
bash tools/build.sh "$dir"
failed=()
for b in "$dir"/bin/bench_*; do
    name=$(basename "$b")
    [ "$name" = bench_versus_qcustomplot ] && continue
    echo "== $name"
    "$b" || failed+=("$name")
done
echo "== bench_versus_qcustomplot"
"$dir"/bin/bench_versus_qcustomplot --images "$dir/versus_qcustomplot" || failed+=(bench_versus_qcustomplot)
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}"
    exit 1
fi
