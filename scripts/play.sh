#!/usr/bin/env bash
# Sets up what building and playing need, builds, generates the assets and starts the game
# in this folder's top (where resources/ and bravin.pref live). Without a display it runs
# under Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
if [ -n "${DISPLAY:-}" ]; then
  need_packages "${play_packages[@]}"
else
  need_packages "${play_packages[@]}" "${display_packages[@]}"
fi
build build
cd "$top"
if [ -n "${DISPLAY:-}" ]; then
  exec ./build/bravin
fi
echo "No display: running under Xvfb (see README for watching it)."
exec xvfb-run -a -s "-screen 0 640x480x24 -noreset" ./build/bravin
