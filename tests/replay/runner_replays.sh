#!/usr/bin/env bash
# Replays through the headless runner: a played session recorded and played back in sync,
# also drawn with another frame-skip setting; a changed answer found out of sync at the
# first stored digest after it; one marked cut short played and said so; spoilt files
# refused with status 1 and one line.
# Usage: runner_replays.sh RUNNER RESOURCES
set -uo pipefail
runner=$1 resources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "replays: $*"
  exit 1
}

# The title, START (to its last phase) and START (a game), fire held; from frame 700 a move
# (left in a, right in b); then a pause with its resume and more play: 1300 frames, so
# digests after frames 599 and 1199.
session() {
  printf '60\n3 START\n10\n3 START\n624 A\n100 %s A\n20 START\n30\n3 START\n447 DOWN B\n' "$1"
}
session LEFT > "$work/a.script"
session RIGHT > "$work/b.script"
for s in a b; do
  "$runner" --resources "$resources" --script "$work/$s.script" --frames 1300 \
    --frame-skip 1000 --record "$work/$s.rep" > "$work/$s.out" 2>&1 ||
    fail "recording $s failed: $(tail -n 3 "$work/$s.out")"
done

play() {  # play FILE [OPTIONS...]: sets out and status
  out=$("$runner" --resources "$resources" --replay "$@" 2>&1)
  status=$?
}

play "$work/a.rep" --frame-skip 1000
[ $status -eq 0 ] && [ "$(tail -n 1 <<< "$out")" = "replay in sync" ] ||
  fail "the recording did not play back in sync (status $status): $(tail -n 2 <<< "$out")"
grep -qxF "$(grep '^digest ' "$work/a.out")" <<< "$out" || fail "the playback's digest differs"
play "$work/a.rep" --frame-skip 3
[ $status -eq 0 ] || fail "drawn every other frame the playback left the recording: $out"
echo "replays: recorded and played back in sync, drawn or not"

# Rewrites replays by their parts: splice, cut_short (tests/replay/replay_edit.py).
replay_edit() { python3 "$(dirname "$0")/replay_edit.py" "$@"; }
splice() { replay_edit splice "$@"; }
splice "$work/a.rep" "$work/b.rep" "$work/changed.rep"
play "$work/changed.rep" --frame-skip 1000
[ $status -eq 3 ] && [ "$(tail -n 1 <<< "$out")" = "replay out of sync at frame 1199" ] ||
  fail "a changed answer was not found at frame 1199 (status $status): $(tail -n 1 <<< "$out")"
echo "replays: a move changed at frame 700 is out of sync at frame 1199"

# Marked cut short (as a full recording is): played to its end, then said, status 1.
replay_edit cut_short "$work/a.rep" "$work/short.rep"
play "$work/short.rep" --frame-skip 1000
[ $status -eq 1 ] && [ "$(tail -n 1 <<< "$out")" = \
  "replay cut short: its recording stopped after frame 1299, in sync up to there" ] ||
  fail "a replay cut short was not played and said so (status $status): $(tail -n 1 <<< "$out")"
grep -qx "frames 1300" <<< "$out" || fail "a replay cut short was not played to its end"
echo "replays: one cut short is played to its end and says so"

# Spoilt files: each refused before a frame runs, with status 1 and one line.
size=$(stat -c %s "$work/a.rep")
head -c $((size - 9)) "$work/a.rep" > "$work/cut.rep"
python3 - "$work/a.rep" "$work/flipped.rep" "$work/random.rep" "$size" <<'PY'
import random, sys
b = bytearray(open(sys.argv[1], 'rb').read())
b[2730] ^= 0x04
open(sys.argv[2], 'wb').write(b)
random.seed(20)
open(sys.argv[3], 'wb').write(bytes(random.randrange(256) for _ in range(int(sys.argv[4]))))
PY
splice "$work/a.rep" "$work/a.rep" "$work/other_version.rep" 0.0.1
mkdir "$work/other_stages"
for f in "$resources"/*; do ln -s "$f" "$work/other_stages/"; done
rm -f "$work/other_stages/stgseq.data"
head -c 80000 /dev/zero > "$work/other_stages/stgseq.data"
for spoilt in cut flipped random other_version other_stages; do
  if [ $spoilt = other_stages ]; then
    out=$("$runner" --resources "$work/other_stages" --replay "$work/a.rep" 2>&1 >/dev/null)
    status=$?
  else
    out=$("$runner" --resources "$resources" --replay "$work/$spoilt.rep" 2>&1 >/dev/null)
    status=$?
  fi
  [ $status -eq 1 ] || fail "the $spoilt replay gave status $status, not 1"
  [ "$(wc -l <<< "$out")" -eq 1 ] && grep -q '^bravin-headless: ' <<< "$out" ||
    fail "the $spoilt replay was not refused in one line: $out"
  echo "replays: $spoilt refused: $out"
done
