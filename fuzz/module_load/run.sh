#!/bin/sh
# Builds the module load fuzzer with clang, in a build folder of its own, and runs it for a
# bounded time (seconds, default 30), seeded with the tiny test module.
#   fuzz/module_load/run.sh [seconds]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ZAV_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-30}
sanitizers="address,undefined"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" >/dev/null
cmake --build "$build" -j2 --target module_load_fuzz write_module_fixture

corpus="$build/module_load_corpus"
mkdir -p "$corpus"
"$build/tests/music_library/write_module_fixture" "$corpus/tiny.mod"
"$build/fuzz/module_load/module_load_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$corpus"
