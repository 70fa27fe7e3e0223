#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: a short fuzzing
# smoke run, the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# the Debian package (built, checked, extracted and run), the whole suite of the
# normal build with the desktop window's tests, and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"

echo "== fuzzing smoke run"
TIMEOUT=3 bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}" 2>&1 | grep -iE "^==|^stat::|error|summary|deadly|timeout|out-of-memory|test unit written"

echo "== the suite under ASan and UBSan"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNAK_SANITIZE=ON \
  -DVARNAK_BUILD_GUI=OFF -DVARNAK_BUILD_TESTS=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize -j"$jobs" --output-on-failure

echo "== the package"
bash scripts/test-package.sh

echo "== the suite"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNAK_BUILD_TESTS=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test -j"$jobs" --output-on-failure

echo "== the Windows build under Wine"
bash scripts/test-windows.sh
