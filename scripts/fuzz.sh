#!/usr/bin/env bash
# Fuzzes the whole load for SECONDS (default 60) over the seed corpus:
#   bash scripts/fuzz.sh [SECONDS]
# Needs the test build (for the corpus generator) and clang with libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNAK_FUZZ=ON -DVARNAK_BUILD_TESTS=OFF -DVARNAK_BUILD_GUI=OFF >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target fuzz_load
corpus=build/fuzz-corpus
mkdir -p "$corpus"
build/test/tools/make-fuzz-corpus "$corpus/seeds"
cp samples/sample-game.sav "$corpus/seeds/"
mkdir -p "$corpus/found"
build/fuzz/fuzz/fuzz_load -max_total_time="$seconds" -timeout=2 -rss_limit_mb=512 \
  -print_final_stats=1 "$corpus/found" "$corpus/seeds"
