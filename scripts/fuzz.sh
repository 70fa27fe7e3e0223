#!/usr/bin/env bash
# Fuzzes the load for SECONDS in all (default 60) over the seed corpora: a third
# of the time the whole road from the file's bytes, the rest from the inflated
# image, where mutations reach every section of the body.
#   bash scripts/fuzz.sh [SECONDS]
# An input slower than TIMEOUT seconds (default 1) or above 512 MB counts as a fault.
# Needs clang with libFuzzer; the corpus generator comes from the test build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
timeout="${TIMEOUT:-1}"
jobs="$(nproc)"
# ASan's quarantine of freed memory would count against the memory limit; a
# smaller one keeps the limit a measure of what one input makes the load use.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=32}"

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNAK_FUZZ=ON -DVARNAK_BUILD_TESTS=OFF -DVARNAK_BUILD_GUI=OFF >/dev/null
cmake --build build/fuzz -j"$jobs" --target fuzz_load fuzz_image
if [[ ! -f build/test/CMakeCache.txt ]]; then
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNAK_BUILD_TESTS=ON >/dev/null
fi
cmake --build build/test -j"$jobs" --target make-fuzz-corpus

corpus=build/fuzz-corpus
mkdir -p "$corpus/saves" "$corpus/images" "$corpus/found-load" "$corpus/found-image"
build/test/tools/make-fuzz-corpus "$corpus/saves" "$corpus/images" samples/sample-game.sav \
  samples/sample-game-ru.sav
cp samples/sample-game.sav samples/sample-game-ru.sav "$corpus/saves/"

run() {  # target, seconds, corpus folders...
  local target="$1" time="$2"
  shift 2
  echo "== $target for $time s"
  build/fuzz/fuzz/"$target" -max_total_time="$time" -timeout="$timeout" -rss_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$corpus/$target-" "$@"
}
run fuzz_load $((seconds / 3)) "$corpus/found-load" "$corpus/saves"
run fuzz_image $((seconds - seconds / 3)) "$corpus/found-image" "$corpus/images"
