#!/usr/bin/env bash
# The Windows build, tested here: cross-builds the core, the toolkit-free window,
# varnak-report.exe and their test programs with mingw-w64 (cmake/mingw-w64.cmake),
# runs every test program under Wine, and checks that varnak-report.exe prints the
# same JSON as the Linux varnak-report for every samples/*.sav and every fixture save,
# opened from a folder named in Cyrillic and accented letters. The Qt window is not
# built: no Qt for Windows can be installed from Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest \
  wine wine64 jq
jobs="$(nproc)"
build=build/windows
linux=build/test

# Wine without a display, in a prefix of the build folder; one server for the whole
# run, so that each program starts in a fraction of a second instead of 2.5 s.
wine="$(command -v wine || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine reads the command line in the locale's character set: UTF-8 for the file names.
export LC_ALL=C.UTF-8
unset DISPLAY
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1

echo "== cross-build for Windows"
# -O2 as on Linux, without the debug information that slows the build and the linking
# of the large static programs;
# -O3 also brings GCC 12's false -Wrestrict alarms inside std::string.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
  -DVARNAK_BUILD_GUI=OFF -DVARNAK_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j"$jobs"

echo "== the test programs under Wine"
# Each program writes its own report (relative to its folder, which Wine maps too).
reports="$build/tests/gtest-reports"
rm -rf "$reports"
GTEST_OUTPUT="xml:gtest-reports/" ctest --test-dir "$build" -j"$jobs" --output-on-failure
programs=$(ls "$reports"/*.xml | wc -l)
cases=$(cat "$reports"/*.xml | awk -F'"' '/<testsuites tests=/ {n += $2} END {print n + 0}')
skipped=$(cat "$reports"/*.xml | awk '/result="skipped"/ {n++} END {print n + 0}')

echo "== varnak-report.exe against the Linux build"
cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNAK_BUILD_TESTS=ON >/dev/null
cmake --build "$linux" -j"$jobs" --target varnak-report make-fuzz-corpus
compare="$PWD/$build/compare"
saves="$compare/Вася Ünïcödé"
rm -rf "$compare"
mkdir -p "$saves"
"$linux/tools/make-fuzz-corpus" "$saves" "$compare/images" >/dev/null
cp samples/*.sav "$saves/"
# The path and the file date are the system's own forms; everything else must agree.
same='del(.load.file, .controls.Edit1.text, .controls.Edit2.text)'
compared=0
for save in "$saves"/*.sav; do
  name="$(basename "$save" .sav)"
  windowsPath="Z:${save//\//\\}"
  "$linux/src/app/varnak-report" "$save" >"$compare/$name.linux.json"
  "$wine" "$build/src/app/varnak-report.exe" "$windowsPath" >"$compare/$name.windows.json"
  jq -e --arg path "$windowsPath" \
    '.load.ok and .controls.Edit1.text == $path and (.controls.Edit2.text | length) > 0' \
    "$compare/$name.windows.json" >/dev/null ||
    { echo "varnak-report.exe did not load $windowsPath as it should:"; \
      jq -c '.load, .controls.Edit1, .controls.Edit2' "$compare/$name.windows.json"; exit 1; }
  if ! diff <(jq "$same" "$compare/$name.linux.json") <(jq "$same" "$compare/$name.windows.json") \
      >"$compare/$name.diff"; then
    echo "varnak-report.exe and varnak-report differ on $name.sav:"
    head -40 "$compare/$name.diff"
    exit 1
  fi
  compared=$((compared + 1))
done

echo "== Windows: $cases tests of $programs programs passed under Wine ($skipped skipped);" \
  "the same JSON for $compared saves; $((SECONDS - started)) s"
