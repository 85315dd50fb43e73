#!/usr/bin/env bash
# Configures and builds one tree: tools/build.sh DIR [cmake options...]
# BUILD_TARGET names a single target to build instead of everything.
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
