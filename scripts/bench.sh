#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release, in build/bench) and runs
# them: every step of opening the sample save and the stress save, side by side.
#   bash scripts/bench.sh [BENCHMARK OPTIONS]   e.g. --benchmark_filter=stress
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVARNAK_BUILD_BENCH=ON -DVARNAK_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(nproc)" --target varnak_bench
exec build/bench/bench/varnak_bench "$@"
