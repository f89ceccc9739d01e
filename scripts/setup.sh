#!/usr/bin/env bash
# Installs what Izoku Planner needs to build, run and test on Debian 12.
# Installs only what is missing, so a second run is quick.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config sqlite3
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6charts6-dev libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins fonts-noto-cjk xvfb xauth
  libbenchmark-dev clang-format
  libsqlite3-dev dpkg-dev file lintian desktop-file-utils
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
