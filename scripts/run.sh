#!/usr/bin/env bash
# Installs what is missing, builds the analyzer and opens a save with it:
# the one given, or the bundled sample save.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVARNAK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target varnak-analyzer
save="${1:-samples/sample-game.sav}"
exec build/release/src/app/varnak-analyzer "$save"
