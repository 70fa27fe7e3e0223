#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build needs and is not there yet,
# and the packages named as arguments (a script that needs more names them).
set -euo pipefail

packages=(
  g++ cmake make
  zlib1g-dev libdeflate-dev libpng-dev
  libgtest-dev libgmock-dev
  nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  fonts-dejavu-core locales
  libbenchmark-dev
  clang libclang-rt-14-dev
  # the Debian package: manual pages, icons, dependencies, checks
  help2man librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
  # screenshots of the window under Xvfb: keys and the pointer driven from a script
  xdotool
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
