#!/usr/bin/env bash
# Installs what Izoku Planner needs to build, run and test on Debian 12.
# Installs only what is missing, so a second run is quick and a machine
# that has everything needs no network.
set -euo pipefail

# Real package names, one a line: a virtual name (one that another package
# only provides) is never reported installed and would send every run to
# apt-get.
packages=(
  clang-format
  cmake
  desktop-file-utils
  dpkg-dev
  file
  fonts-noto-cjk
  g++
  libbenchmark-dev
  libgl-dev
  libqt6opengl6-dev
  libqt6sql6-sqlite
  libsqlite3-dev
  lintian
  ninja-build
  pkg-config
  poppler-utils
  qt6-base-dev
  qt6-base-dev-tools
  qt6-charts-dev
  qt6-qpa-plugins
  qt6-translations-l10n
  sqlite3
  xauth
  xvfb
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
