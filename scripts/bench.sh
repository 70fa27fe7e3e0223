#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release, in build/bench) and runs
# them: every step of opening the sample save and the stress save, side by side.
#   bash scripts/bench.sh                 five rounds, interleaved, medians
#   bash scripts/bench.sh [OPTIONS]       Google Benchmark's own, e.g. --benchmark_filter=stress
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVARNAK_BUILD_BENCH=ON -DVARNAK_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(nproc)" --target varnak_bench
if (($# == 0)); then
  # Rounds in random order, so that a machine that gets busier during the run slows
  # every step alike and the ratios hold.
  set -- --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true
fi
exec build/bench/bench/varnak_bench "$@"
