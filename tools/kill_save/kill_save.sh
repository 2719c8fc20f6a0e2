#!/usr/bin/env bash
# Kills the real game with SIGKILL in the middle of its saves and checks what is left of
# bravin.pref. Each run is the game under Xvfb and gdb (tools/kill_save/stop_at.py) in a
# fresh folder:
#   end-of-run  bravin.pref holds an old file; the game is quit with Escape and killed
#               at a random instruction of the save it makes on the way out (from the
#               save's first instruction to its return). bravin.pref must then be the
#               old file or the new one, byte for byte.
#   first-run   no bravin.pref; the game is killed at a random instruction within 1,000
#               of the rename that makes the file appear in the save at start-up.
#               bravin.pref must be the complete new file or absent.
# The old file is the game's own first file with its coin word raised to 7 and its
# integrity word left as it was, so the game takes the coins away and its save differs
# from the old file (coins 0, a matching integrity word).
# A run that leaves a temporary file is followed by an ordinary run of the game in the
# same folder, which must save its file over it. Prints one line per run and a summary
# with the count of each outcome and of leftover temporary files.
# Usage: kill_save.sh GAME RESOURCES [--runs N] [--first-runs N] [--seed S]
# Exit status 1 when any run left anything else.
set -uo pipefail
game=$(readlink -f "$1") resources=$(readlink -f "$2")
shift 2
runs=100 first_runs=40 seed=1
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2 ;;
    --first-runs) first_runs=$2 ;;
    --seed) seed=$2 ;;
    *) echo "usage: kill_save.sh GAME RESOURCES [--runs N] [--first-runs N] [--seed S]" >&2
       exit 64 ;;
  esac
  shift 2
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash "${BASH_SOURCE[0]}" "$game" \
    "$resources" --runs "$runs" --first-runs "$first_runs" --seed "$seed"
fi
work=$(mktemp -d /tmp/bravin-kill-XXXXXX)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
RANDOM=$seed

press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }

# A fresh folder for a run, holding the assets and, when given, a copy of a bravin.pref.
fresh() {
  rm -rf "$work/run" && mkdir -p "$work/run" && ln -s "$resources" "$work/run/resources"
  [ -z "${1:-}" ] || cp "$1" "$work/run/bravin.pref"
}

# Runs the game in the run folder, pressing Escape until it has ended; with a KILL_MODE,
# under gdb. Prints gdb's report.
play() {
  local pid
  if [ -n "${KILL_MODE:-}" ]; then
    (cd "$work/run" && exec gdb -batch -nx -x "$here/stop_at.py" --args "$game") \
      > "$work/gdb.txt" 2>&1 &
  else
    (cd "$work/run" && exec "$game") > "$work/gdb.txt" 2>&1 &
  fi
  pid=$!
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    [ "${KILL_MODE:-}" = appear ] || press Escape
    sleep 0.3
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
  wait "$pid" 2>/dev/null
  # (gdb may leave a stepped-to address at the start of the report's line)
  grep -oE "instructions [0-9]+|killed after [0-9]+ instructions|ended before the moment" \
    "$work/gdb.txt"
}

# The outcome of a run whose new file is NEW: old, new, absent, or what else bravin.pref was.
outcome() {
  local pref=$work/run/bravin.pref
  if [ ! -e "$pref" ]; then echo absent
  elif cmp -s "$pref" "$old"; then echo old
  elif cmp -s "$pref" "$1"; then echo new
  else echo "other ($(stat -c %s "$pref") bytes)"
  fi
}

# The file a first run writes at start-up: the game is left running a moment after its
# window shows, and then killed.
first_file() {
  fresh
  (cd "$work/run" && exec "$game") > /dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 200); do xdotool search --name BRAVIN >/dev/null 2>&1 && break; sleep 0.05; done
  sleep 1
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null
  cp "$work/run/bravin.pref" "$1"
}

# The reference files: the game's first file, the old file made from it (its end-of-run
# save, with the coins raised), and what the game saves over the old file.
first=$work/first.pref && first_file "$first" || { echo "no first file"; exit 1; }
fresh && play > /dev/null
ended=$work/ended.pref && cp "$work/run/bravin.pref" "$ended"
old=$work/old.pref && cp "$ended" "$old"
printf '\x07\x00\x00\x00' | dd of="$old" bs=1 seek=1568 conv=notrunc status=none
fresh "$old" && play > /dev/null
new=$work/new.pref && cp "$work/run/bravin.pref" "$new"
cmp -s "$old" "$new" && { echo "the game saved the old file unchanged"; exit 1; }
fresh "$old"
span=$(KILL_MODE=count play | sed -n 's/^instructions //p')
echo "the end-of-run save takes $span instructions"

declare -A seen
failed=0 leftovers=0
temporaries() { find "$work/run" -maxdepth 1 -name 'bravin.pref.tmp*' | wc -l; }

# run KIND MODE STEPS START NEW NEXT_SAVE ALLOWED...: one run begun with the file START
# (none when empty) and killed, whose bravin.pref must be one of the ALLOWED outcomes
# (NEW being the complete new file); when it left a temporary file, one more run of the
# game in the same folder, which must save NEXT_SAVE and leave no temporary file.
run() {
  local kind=$1 mode=$2 steps=$3 start=$4 new=$5 next_save=$6 report result temps
  shift 6
  fresh "$start"
  report=$(KILL_MODE=$mode KILL_STEPS=$steps play)
  result=$(outcome "$new")
  temps=$(temporaries)
  leftovers=$((leftovers + temps))
  local ok=0
  for allowed in "$@"; do [ "$result" = "$allowed" ] && ok=1; done
  [[ $report == killed* ]] || ok=0
  # A leftover temporary file must not stand in the way of the next save.
  if [ "$temps" -gt 0 ]; then
    KILL_MODE="" play > /dev/null
    if [ "$(temporaries)" -gt 0 ] || ! cmp -s "$work/run/bravin.pref" "$next_save"; then
      ok=0 result="$result, then not saved over the temporary file"
    else
      result="$result, then saved over the temporary file"
    fi
  fi
  seen["$kind $result"]=$(( ${seen["$kind $result"]:-0} + 1 ))
  [ "$ok" = 1 ] || failed=$((failed + 1))
  echo "$([ "$ok" = 1 ] && echo ok || echo FAIL) $kind: ${report:-no report}; bravin.pref $result, $temps temporary files left"
  [ "$ok" = 1 ] || tail -n 5 "$work/gdb.txt" | sed 's/^/    /'
}

for n in $(seq "$runs"); do
  run end-of-run save $(( (RANDOM * 32768 + RANDOM) % (span + 1) )) "$old" "$new" "$new" old new
done
for n in $(seq "$first_runs"); do
  run first-run appear $((RANDOM % 1001)) "" "$first" "$ended" absent new
done
for key in "${!seen[@]}"; do echo "$key: ${seen[$key]}"; done | sort
echo "kill_save: $((runs + first_runs)) runs, $failed failed, $leftovers temporary files left"
[ "$failed" -eq 0 ]
