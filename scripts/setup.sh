#!/usr/bin/env bash
# Installs the Debian packages the game needs when they are missing, then configures and
# builds (incrementally). Sourced by play.sh and test.sh; BUILD_DIRS names the builds.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  build-essential cmake pkg-config googletest libgtest-dev
  libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb xauth xdotool x11-utils x11-apps
  libcairo2-dev libpng-dev libjpeg62-turbo-dev fonts-dejavu-core
  libsndfile1-dev libvorbis-dev libmp3lame-dev freepats timgm6mb-soundfont sox
  clang libclang-rt-14-dev netpbm gdb
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
}
