#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless:
#   1. the normal build, every test (the locale-labelled ones once more under de_DE.UTF-8);
#   2. a sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer) running the tests
#      labelled "asan" (file and stream readers, the engine);
#   3. a run of every libFuzzer target (FUZZ_SECONDS each, default 30; 0 skips).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

bash tools/build.sh build
(cd build && ctest --output-on-failure -j "$jobs" --timeout 300 2>&1 | tee ctest.log; exit "${PIPESTATUS[0]}")

bash tools/build.sh build-asan -DTARVEK_SANITIZE=ON -DTARVEK_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ctest --output-on-failure -j "$jobs" --timeout 600 -L asan)

seconds=${FUZZ_SECONDS:-30}
if [ "$seconds" != 0 ]; then
    BUILD_TARGET=fuzzers CXX=clang++ CC=clang bash tools/build.sh build-fuzz -DTARVEK_FUZZ=ON -DTARVEK_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    bash tools/fuzz.sh build-fuzz "$seconds"
fi

# The last word stays with the full suite, so its summary closes the output.
summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' build/ctest.log | tail -n 1)
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
echo "$summary"
echo "tests: $((total - failed)) passed, $failed failed"
