#!/usr/bin/env bash
# Installs the Debian packages VoxTuner builds and runs with. Cheap when they
# are already there: apt is only asked for what is missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config ccache
          qt6-base-dev libgl-dev libasio-dev libasound2-dev libsndfile1-dev libsimpleini-dev libzip-dev libcli11-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-dev
          alsa-utils xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
