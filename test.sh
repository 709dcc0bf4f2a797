#!/usr/bin/env bash
# Builds the disk (installing what it needs) and runs every test: the unit and behaviour tests,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzer for a bounded
# time and the end-to-end run in a real X server.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
jobs=$(nproc)

echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZAV_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== fuzzing the module load path for 30 s"
fuzz/module_load/run.sh 30

echo "== end to end in a real X server"
tests/end_to_end/run.sh build
