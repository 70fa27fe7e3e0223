#!/usr/bin/env bash
# Installs what is missing, builds both programs (Release, in build/package) with their
# manual pages, icons and menu entry, and makes the Debian package there:
#   bash scripts/package.sh          then: apt install ./build/package/varnak-analyzer_*.deb
# Prints the package's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="${JOBS:-$(nproc)}"
# Debian's own hardening flags (fortified functions, read-only relocations, now binding).
export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DVARNAK_BUILD_TESTS=OFF \
  -DVARNAK_PACKAGE=ON -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build/package -j"$jobs" --target varnak-analyzer varnak-report varnak_package_data
rm -f build/package/varnak-analyzer_*.deb
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/varnak-analyzer_*.deb
