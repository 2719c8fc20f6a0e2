#!/usr/bin/env bash
# Shared by play.sh, test.sh and package.sh: installs the Debian packages a command needs
# when they are missing, and configures and builds (incrementally).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Building and playing: the compilers, the game's libraries, the asset generators' libraries
# and fonts, and the General MIDI sound font the music plays through.
play_packages=(
  build-essential cmake pkg-config
  libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libcairo2-dev libpng-dev libjpeg62-turbo-dev fonts-dejavu-core
  libsndfile1-dev libvorbis-dev libmp3lame-dev freepats timgm6mb-soundfont
)
# A display to run the game on where there is none.
display_packages=(xvfb xauth)
# Everything the tests use on top: the test framework, the tools that drive and look at the
# real game, the fuzzing compiler, the debugger and the checkers of the installed files.
test_packages=(
  googletest libgtest-dev xdotool x11-utils x11-apps sox netpbm gdb
  clang libclang-rt-14-dev desktop-file-utils appstream man-db groff-base lintian
)
# Making the Debian package.
package_packages=(dpkg-dev lintian)

need_packages() {  # need_packages PACKAGE...: installs those that are missing
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)
build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
}
