#!/usr/bin/env bash
# Kills a session with SIGKILL in the middle of its end-of-run save of bravin.pref and
# the ranking's replays, and checks that they still agree. The session is the headless
# runner's, ending as the game does (--folder), under gdb (stop_at_call.py): the folder
# holds a first ranked game (rank-0); the killed session plays a better one, which takes
# entry 0 and moves the first one's replay to rank-1. Each run is killed after a random
# system call of the step (saveSessionEnd) and a random few instructions further; then
# bravin.pref must be the old file or the new one, and every rank replay present must
# play back in sync to the score its entry holds in that bravin.pref.
# Usage: kill_ranks.sh RUNNER PREFS_TOOL RESOURCES [--runs N] [--seed S]
# Exit status 1 when any run left anything else.
set -uo pipefail
runner=$(readlink -f "$1") prefs=$(readlink -f "$2") resources=$(readlink -f "$3")
shift 3
runs=30 seed=1
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2 ;;
    --seed) seed=$2 ;;
    *) echo "usage: kill_ranks.sh RUNNER PREFS_TOOL RESOURCES [--runs N] [--seed S]" >&2
       exit 64 ;;
  esac
  shift 2
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d /tmp/bravin-kill-ranks-XXXXXX)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
RANDOM=$seed

printf '60\n3 START\n10\n3 START\n' > "$work/still.script"
printf '60\n3 START\n10\n3 START\n5000 A\n' > "$work/fire.script"
session() {  # session FOLDER SCRIPT FRAMES [gdb...]: the runner's session in FOLDER
  local folder=$1 script=$2 frames=$3
  shift 3
  "$@" "$runner" --resources "$resources" --folder "$folder" --script "$work/$script.script" \
    --frames "$frames" --frame-skip 1000
}
under_gdb() { gdb -batch -nx -x "$here/stop_at_call.py" --args "$@"; }

# The folder before the killed session, and what that session leaves when not killed.
session "$work/before" still 3000 > /dev/null 2>&1 || { echo "the first session failed"; exit 1; }
[ -s "$work/before/replays/rank-0.bravin-replay" ] || { echo "the first game left no replay"; exit 1; }
cp -a "$work/before" "$work/after"
session "$work/after" fire 5000 > /dev/null 2>&1 || { echo "the second session failed"; exit 1; }
cp -a "$work/before" "$work/run"
span=$(KILL_AT=saveSessionEnd KILL_MODE=count session "$work/run" fire 5000 under_gdb 2>&1 |
  sed -n 's/^syscalls //p')
[ -n "$span" ] || { echo "the save could not be counted"; exit 1; }
echo "the end-of-run save makes $((span / 2)) system calls ($span stops)"

entry_score() {  # entry_score N: entry N's score in the run's bravin.pref
  "$prefs" --file "$work/run/bravin.pref" show | awk -v n=$(($1 + 1)) '$1 == n && NF >= 2 { print $2; exit }'
}
# Whether every rank replay left plays back in sync to its entry's score; says which not.
replays_agree() {
  local n file out score
  for n in 0 1 2 3 4 5 6 7 8; do
    file=$work/run/replays/rank-$n.bravin-replay
    [ -e "$file" ] || continue
    out=$("$runner" --resources "$resources" --replay "$file" --frame-skip 1000 2>&1)
    score=$(sed -n 's/^score \([0-9-]*\) .*/\1/p' <<< "$out")
    if [ "$(tail -n 1 <<< "$out")" != "replay in sync" ] || [ "$score" != "$(entry_score "$n")" ]; then
      echo "rank-$n ends on ${score:-nothing} ($(tail -n 1 <<< "$out")), entry $n holds $(entry_score "$n")"
      return 1
    fi
  done
}

declare -A seen
failed=0
for r in $(seq "$runs"); do
  rm -rf "$work/run" && cp -a "$work/before" "$work/run"
  stops=$(( (RANDOM * 32768 + RANDOM) % (span + 1) )) steps=$((RANDOM % 200))
  report=$(KILL_AT=saveSessionEnd KILL_MODE=kill KILL_STOPS=$stops KILL_STEPS=$steps \
    session "$work/run" fire 5000 under_gdb 2>&1 | grep -oE "killed after .*|ended before the moment")
  if cmp -s "$work/run/bravin.pref" "$work/before/bravin.pref"; then pref=old
  elif cmp -s "$work/run/bravin.pref" "$work/after/bravin.pref"; then pref=new
  else pref=other
  fi
  present=$(cd "$work/run/replays" && ls rank-*.bravin-replay 2>/dev/null | tr '\n' ' ')
  why=$(replays_agree) && agree=1 || agree=0
  ok=0
  [[ $report == killed* ]] && [ "$pref" != other ] && [ "$agree" = 1 ] && ok=1
  seen["bravin.pref $pref, rank replays ${present:-none}"]=$(( ${seen["bravin.pref $pref, rank replays ${present:-none}"]:-0} + 1 ))
  [ "$ok" = 1 ] || failed=$((failed + 1))
  echo "$([ "$ok" = 1 ] && echo ok || echo FAIL) ${report:-no report}: bravin.pref $pref, rank replays ${present:-none}${why:+; $why}"
done
for key in "${!seen[@]}"; do echo "$key: ${seen[$key]}"; done | sort
echo "kill_ranks: $runs runs, $failed failed"
[ "$failed" -eq 0 ]
