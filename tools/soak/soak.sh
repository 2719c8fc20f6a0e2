#!/usr/bin/env bash
# The soak: the headless runner of the sanitizer build (ASan + UBSan) plays the attract
# cycle and every stage under random input, and any finding fails it. Each part is a
# process of its own with its own random script (tests/scenarios/random_script.sh):
#   title   from the title screen: the title, demo and ranking cycle, and the games the
#           script's START presses begin there (deaths, continues and game over included);
#   0 .. 7  a game begun at that stage, with the hits on the player dropped (--keep-alive)
#           so that the stage is flown through and the ones after it follow.
# For each part it prints the frames run, the exit status, the findings and the resident
# memory after frame 1,000 (frame 1 in a shorter part) and after the last, then the whole
# series (after frames 1, 10, 100, ... and the last).
# With --record the title part, which runs as the game does, is recorded as a replay (the
# stage parts' dropped hits are a test aid that no replay holds), and the replay is then
# played back by the same runner, which must find it in sync (up to where it stopped, when
# it filled its buffer).
#
# Usage: soak.sh RUNNER RESOURCES [--frames N] [--seed S] [--parts "title 0 1 ..."]
#                [--frame-skip N] [--record]
#   --frames N  frames in all, shared evenly by the parts (default 20000)
#   --seed S    the first part's script seed; each further part takes the next (default 20240611)
#   --parts     the parts to run, in order (default "title 0 1 2 3 4 5 6 7")
#   --frame-skip N  the game's frame-skip setting (a whole number from 1, as a player may
#               set it; default the runner's 1, every frame drawn); from 2 up one frame in
#               N - 1 is drawn, which shortens a long soak on a machine without a GPU while
#               every frame's work still runs
#   --record    record the title part and play the recording back
# Exit status 1 when any part found something or did not end normally.
set -uo pipefail
runner=$1 resources=$2
shift 2
frames=20000 seed=20240611 parts="title 0 1 2 3 4 5 6 7" frame_skip=1 record=0
while [ $# -gt 0 ]; do
  case $1 in
    --record) record=1; shift; continue ;;
    --frames) frames=$2 ;;
    --seed) seed=$2 ;;
    --parts) parts=$2 ;;
    --frame-skip) frame_skip=$2 ;;
    *) echo "usage: soak.sh RUNNER RESOURCES [--frames N] [--seed S] [--parts LIST]" \
         "[--frame-skip N] [--record]" >&2; exit 64 ;;
  esac
  shift 2
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scripts=$here/../../tests/scenarios
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Leaks are left out: the GL and audio libraries keep memory to the end of the process.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

read -r -a part_list <<< "$parts"
each=$((frames / ${#part_list[@]}))
status=0 findings=0 total=0 start=$(date +%s)

# The memory line at the first figure of at least `at` frames; the first line (frame 1)
# when the part was shorter.
# The sanitizer findings a run printed on standard error.
findings_in() { grep -cE "runtime error|Sanitizer" "$1"; }
memory_at() { awk -v at="$2" 'NR == 1 { first = $0 } $1 >= at { print; found = 1; exit }
  END { if (!found) print first }' "$1"; }

# Plays the part's recording back; its findings count with the soak's.
play_back() {
  local bytes code sync found
  bytes=$(stat -c %s "$work/replay" 2>/dev/null || echo 0)
  "$runner" --resources "$resources" --replay "$work/replay" --frame-skip "$frame_skip" \
    --memory "$work/memory" > "$work/out" 2> "$work/err"
  code=$?
  found=$(findings_in "$work/err")
  sync=$(tail -n 1 "$work/out")
  findings=$((findings + found))
  echo "  recorded $bytes bytes; played back: exit $code, $found findings, $sync," \
    "resident kB $(tail -n 1 "$work/memory" | cut -d' ' -f2) after the last frame"
  # A recording that filled its buffer stopped there; it must be in sync up to there.
  [ "$found" -eq 0 ] && [ "$code" -eq 0 ] && return 0
  [ "$found" -eq 0 ] && [ "$code" -eq 1 ] && [[ $sync == *"in sync up to there" ]] && return 0
  cat "$work/out" "$work/err"
  echo "soak part $1: its recording did not play back in sync"
  return 1
}

for part in "${part_list[@]}"; do
  options=(--start-stage "$part" --keep-alive --frame-skip "$frame_skip")
  [ "$part" = title ] && options=(--frame-skip "$frame_skip")
  recorded=0
  if [ "$part" = title ] && [ "$record" = 1 ]; then
    rm -f "$work/replay"
    options+=(--record "$work/replay") recorded=1
  fi
  bash "$scripts/random_script.sh" "$seed" "$each" > "$work/script"
  "$runner" --resources "$resources" --script "$work/script" --frames "$each" \
    --memory "$work/memory" "${options[@]}" > "$work/out" 2> "$work/err"
  code=$?
  found=$(findings_in "$work/err")
  ran=$(sed -n 's/^frames //p' "$work/out")
  early=$(memory_at "$work/memory" 1000) late=$(tail -n 1 "$work/memory")
  echo "soak part $part: ${ran:-0} frames, seed $seed, exit $code, $found findings," \
    "resident kB ${early#* } after frame ${early%% *}, ${late#* } after frame ${late%% *}"
  series=$(awk '{ printf "%s%s:%s", (NR > 1 ? " " : ""), $1, $2 }' "$work/memory")
  echo "  resident kB after frames 1, 10, 100, ...: $series"
  if [ "$code" -ne 0 ] || [ "$found" -ne 0 ]; then
    cat "$work/out" "$work/err"
    status=1
  fi
  [ "$recorded" = 1 ] && { play_back "$part" || status=1; }
  findings=$((findings + found)) total=$((total + ${ran:-0})) seed=$((seed + 1))
done
echo "soak: $total frames in ${#part_list[@]} parts, $findings findings, $(($(date +%s) - start)) s"
exit $status
