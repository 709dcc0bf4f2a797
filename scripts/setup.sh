#!/usr/bin/env bash
# Installs the Debian packages the disk needs (only those missing) and builds it into build/.
# Usage: scripts/setup.sh [run|test]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config libsdl2-dev libx11-dev libxcb1-dev libxcb-shm0-dev libopenmpt-dev libpng-dev)
if [[ "${1:-run}" == test ]]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick openmpt123 time
             clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
