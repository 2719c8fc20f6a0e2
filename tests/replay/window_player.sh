#!/usr/bin/env bash
# The window player, bravin-replay. --list: a folder with good, cut short, foreign, damaged,
# unreadable and non-replay files gives the golden lines; the default folder is the
# player's. Under Xvfb: a short replay recorded by the runner plays to its end at the
# game's speed and in sync, started in a player's folder that it leaves as it was;
# fast-forwarded it ends sooner and still in sync; paused, its picture holds, and it
# ends in sync; Escape stops it early with status 0; a changed replay is said out of sync
# and plays on to its end with status 3. A file it cannot play is one line and status 1.
# Usage: window_player.sh PLAYER RUNNER RESOURCES VERSION
set -uo pipefail
player=$(realpath "$1") runner=$(realpath "$2") resources=$(realpath -m "$3") version=$4
edit=$(cd "$(dirname "$0")" && pwd)/replay_edit.py
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what" && failures=$((failures + 1)); fi
}

# The title, START twice (a game), fire, a move (left in a, right in b) from frame 396,
# then down with the dash: 800 frames, digests after frame 599 and the last.
session() { printf '60\n3 START\n10\n3 START\n320 A\n60 %s A\n344 DOWN B\n' "$1"; }
session LEFT > a.script
session RIGHT > b.script
printf '60\n3 START\n10\n3 START\n3524 A\n' > long.script
record() {  # record NAME FRAMES [OPTIONS...]
  local name=$1 frames=$2
  shift 2
  "$runner" --resources "$resources" --script "$name.script" --frames "$frames" "$@" \
    --record "$name.rep" > "$name.out" 2>&1 || { echo "recording $name failed" && exit 1; }
}
record a 800
record b 800
record long 3600 --frame-skip 1000
python3 "$edit" splice a.rep b.rep changed.rep

# --list, in Tokyo's local time (1700000000 is 2023-11-14 22:13:20 UTC).
mkdir list list/dir.bravin-replay
python3 "$edit" recorded_at long.rep list/a.bravin-replay 1700000000
python3 "$edit" cut_short list/a.bravin-replay list/cut.bravin-replay
python3 "$edit" splice list/a.bravin-replay list/a.bravin-replay list/old.bravin-replay 0.0.1
python3 - list/a.bravin-replay list/damaged.bravin-replay <<'PY'
import sys
b = bytearray(open(sys.argv[1], 'rb').read())
b[2730] ^= 0x04
open(sys.argv[2], 'wb').write(b)
PY
echo "not a replay" > list/notes.bravin-replay
echo "not listed" > list/readme.txt
score=$(sed -n 's/^score \([0-9]*\) .*/\1/p' long.out)
cat > list.expected <<LIST
a.bravin-replay        2023-11-15 07:13     3600 frames     1:01  score $score
cut.bravin-replay      2023-11-15 07:13     3600 frames     1:01  score $score  cut short
damaged.bravin-replay  damaged: its checksum does not match
dir.bravin-replay      cannot be read
notes.bravin-replay    not a replay
old.bravin-replay      2023-11-15 07:13     3600 frames     1:01  score $score  from version 0.0.1 of the game; this is version $version
LIST
TZ=Asia/Tokyo "$player" --list list > list.out 2>&1
status=$?
check "--list: status 0" [ $status -eq 0 ]
check "--list: the golden lines" diff list.expected list.out
mkdir -p data/bravin/replays
cp list/a.bravin-replay data/bravin/replays/session.bravin-replay
default_list() { XDG_DATA_HOME=$work/data TZ=Asia/Tokyo "$player" --list; }
check "--list: the player's folder by default" \
  [ "$(default_list)" = "session.bravin-replay  $(head -n 1 list.expected | cut -c 24-)" ]
check "--list: a player's folder named lists its replays folder" \
  [ "$(TZ=Asia/Tokyo "$player" --list data/bravin)" = "$(default_list)" ]
mkdir empty
check "--list: a folder without replays says so" \
  [ "$("$player" --list empty)" = "no replays in empty" ]
out=$(env -u HOME -u XDG_DATA_HOME "$player" --list nowhere 2>&1)
status=$?
check "--list: a missing folder is one line and status 1" \
  [ $status -eq 1 ] && [ "$(wc -l <<< "$out")" -eq 1 ]

# Files it cannot play: one line on standard error, nothing on standard output, status 1.
for bad in list/notes.bravin-replay list/damaged.bravin-replay nowhere.rep "a.rep of no assets"; do
  if [ "$bad" = "a.rep of no assets" ]; then
    "$player" --resources nowhere a.rep > bad.out 2> bad.err
  else
    "$player" --resources "$resources" "$bad" > bad.out 2> bad.err
  fi
  status=$?
  check "$bad: status 1, one line on standard error" \
    [ $status -eq 1 ] && [ ! -s bad.out ] && [ "$(grep -c '^bravin-replay: ' bad.err)" -eq 1 ]
done

# The window runs. The player's folder: a bravin.pref of its own, the assets linked in.
mkdir home
ln -s "$resources" home/resources
head -c 2536 /dev/urandom > home/bravin.pref
(cd home && find . -printf '%p %s\n' && md5sum bravin.pref) > home.before
cat > drive.sh <<'DRIVE'
cd home
wait_for_window() {
  for _ in $(seq 200); do
    xdotool search --name BRAVIN >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}
now() { date +%s%N; }
start() {  # start NAME REPLAY: the player in the background, the clock started
  began=$(now)
  SDL_AUDIODRIVER=dummy "$PLAYER" "$2" > "../$1.out" 2> "../$1.err" &
  game=$!
  wait_for_window
}
finish() {  # finish NAME: its status and its time in ms
  wait $game
  echo $? > "../$1.status"
  echo $((($(now) - began) / 1000000)) > "../$1.ms"
}
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }

start whole ../a.rep
finish whole
start fast ../a.rep
xdotool keydown Right
finish fast
xdotool keyup Right
start paused ../a.rep
sleep 3
press space
sleep 1
xwd -root -silent > ../paused1.xwd
sleep 1
xwd -root -silent > ../paused2.xwd
press space
sleep 1
xwd -root -silent > ../running1.xwd
sleep 0.5
xwd -root -silent > ../running2.xwd
finish paused
start stopped ../a.rep
sleep 3
press Escape
finish stopped
start changed ../changed.rep
finish changed
DRIVE
PLAYER=$player timeout 200 xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash drive.sh
ends() { [ "$(cat "$1.status" 2>/dev/null)" = "$2" ] && [ "$(tail -n 1 "$1.out")" = "$3" ]; }
ms() { cat "$1.ms" 2>/dev/null || echo 0; }
check "to the end: status 0, in sync" ends whole 0 "replay in sync"
check "at the game's speed: 800 frames of 17 ms took $(ms whole) ms" [ "$(ms whole)" -ge 12500 ]
(cd home && find . -printf '%p %s\n' && md5sum bravin.pref) > home.after
check "the player's folder is left as it was" diff home.before home.after
check "fast-forwarded: status 0, in sync" ends fast 0 "replay in sync"
check "fast-forwarded: sooner ($(ms fast) ms)" [ "$(ms fast)" -lt $(($(ms whole) - 5000)) ]
check "paused: status 0, in sync" ends paused 0 "replay in sync"
check "paused: the picture holds" cmp -s paused1.xwd paused2.xwd
differ() { ! cmp -s "$1" "$2"; }
check "resumed: the picture moves" differ running1.xwd running2.xwd
stopped_early() { grep -qE '^replay stopped after [0-9]+ of 800 frames$' <(tail -n 1 stopped.out); }
check "Escape: status 0" [ "$(cat stopped.status 2>/dev/null)" = 0 ]
check "Escape: stopped early and said so" stopped_early
check "changed: said out of sync at frame 599, status 3" \
  ends changed 3 "replay out of sync at frame 599"
check "changed: played on to its end ($(ms changed) ms)" [ "$(ms changed)" -ge 12500 ]
check "changed: said once" [ "$(grep -c 'out of sync' changed.out)" -eq 1 ]
if [ "$failures" -ne 0 ]; then
  for f in list.out whole.out whole.err fast.out paused.out stopped.out changed.out; do
    echo "--- $f" && cat "$f"
  done
  exit 1
fi
echo "window player: all checks passed"
