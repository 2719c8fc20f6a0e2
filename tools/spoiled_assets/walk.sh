#!/usr/bin/env bash
# Walks every file of an asset folder through the spoilings of spoil.bash (missing, empty,
# garbage, and for pictures 8 x 8 and 4096 x 4096): for each, the real game runs under Xvfb
# in a fresh folder with a copy of the assets where that one file is spoilt, and is driven
# from the title into a game and back out with Escape. A case passes when the game exits
# with status 0, prints no sanitizer finding and leaves a 2536-byte bravin.pref holding
# its coin with a matching integrity word. One line per case, then a summary. Every case
# plays into stage 0, which asks for its first music track.
# Usage: walk.sh GAME RESOURCES [--only REGEX] [--how "missing empty ..."]
# Exit status 1 when any case failed.
set -uo pipefail
game=$(readlink -f "$1") resources=$(readlink -f "$2")
shift 2
only="" hows=""
while [ $# -gt 0 ]; do
  case $1 in
    --only) only=$2 ;;
    --how) hows=$2 ;;
    *) echo "usage: walk.sh GAME RESOURCES [--only REGEX] [--how LIST]" >&2; exit 64 ;;
  esac
  shift 2
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# One X server for the whole walk.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash "${BASH_SOURCE[0]}" "$game" \
    "$resources" ${only:+--only "$only"} ${hows:+--how "$hows"}
fi
source "$here/spoil.bash"
work=$(mktemp -d /tmp/bravin-spoil-XXXXXX)
trap 'rm -rf "$work"' EXIT
# The dummy audio driver opens on any machine, so the sound files are really decoded.
export SPOIL_CACHE=$work/cache ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy
mkdir -p "$SPOIL_CACHE"

word_at() { od -An -t d4 -j "$2" -N 4 "$1" 2>/dev/null | tr -d ' '; }
press() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

# Title, START twice into a game, a little play, Escape to the title and Escape to quit
# (again until it has ended: a press while it still loads is not seen).
drive_game() {
  "$game" > out.txt 2> err.txt &
  local pid=$!
  for _ in $(seq 200); do xdotool search --name BRAVIN >/dev/null 2>&1 && break; sleep 0.05; done
  # Huge pictures take a while to load, and a key pressed before the title runs is not seen.
  sleep "$load_wait"
  press space; sleep 0.4; press space; sleep 2; press Escape; sleep 0.8
  for _ in $(seq 60); do
    kill -0 "$pid" 2>/dev/null || break
    press Escape; sleep 0.35
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
  wait "$pid"
}

# What is wrong with the case's outcome; nothing when it passed.
verdict() {
  local status=$1 pref=bravin.pref
  [ "$status" = 0 ] || echo -n "exit status $status; "
  grep -qE "runtime error|Sanitizer" err.txt && echo -n "sanitizer finding; "
  [ "$(stat -c %s $pref 2>/dev/null)" = 2536 ] || { echo -n "bravin.pref missing or not 2536 bytes; "; return; }
  local coins integrity
  coins=$(word_at $pref 1568) integrity=$(word_at $pref 1932)
  [ "$coins" = 1 ] || echo -n "saved coins $coins; "
  [ "$integrity" = $((coins ^ $(word_at $pref 1572) ^ $(word_at $pref 1608))) ] ||
    echo -n "integrity word $integrity does not match; "
}

cases=0 failed=0
for file in $(ls "$resources"); do
  [ -n "$only" ] && ! [[ $file =~ $only ]] && continue
  for how in ${hows:-$(spoilings_for "$file")}; do
    is_picture "$file" || [[ $how != small && $how != large ]] || continue
    dir=$work/case
    rm -rf "$dir" && mkdir -p "$dir" && cp -rL "$resources" "$dir/resources"
    spoil "$dir/resources" "$file" "$how"
    load_wait=0.5 && [ "$how" = large ] && load_wait=5
    (cd "$dir" && timeout 90 bash -c "$(declare -f drive_game press); game=$game load_wait=$load_wait; drive_game")
    status=$?
    problems=$(cd "$dir" && verdict "$status")
    cases=$((cases + 1))
    if [ -z "$problems" ]; then
      echo "ok   $file $how: exit $status, bravin.pref saved (2536 bytes, coins 1, integrity word valid)"
    else
      failed=$((failed + 1))
      echo "FAIL $file $how: $problems"
      sed 's/^/    /' "$dir/err.txt" | head -n 20
    fi
  done
done
echo "spoiled assets: $cases cases, $((cases - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
