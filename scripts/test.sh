#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNAK_BUILD_TESTS=ON >/dev/null
cmake --build build/test -j"$(nproc)"
ctest --test-dir build/test -j"$(nproc)" --output-on-failure
