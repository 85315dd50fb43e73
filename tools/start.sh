#!/usr/bin/env bash
# Sets up, builds and starts Tarvek.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh build -DTARVEK_BENCH=OFF
if [ -x build/bin/tarvek ]; then
    exec build/bin/tarvek "$@"
fi
echo "Built. The program's main window is not there yet: only the libraries and tests were built."
