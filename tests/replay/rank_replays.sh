#!/usr/bin/env bash
# The ranking's replays, from games the runner plays as the game's sessions in one kept
# folder (--folder): a game left to its deaths and its continue prompt's time-out is
# ranked first, and rank-0 plays back in sync to that entry's score; a better game in a
# second session moves that replay to rank-1 with its entry, while a stale file that no
# entry made moves with none; a bravin.pref that cannot be saved leaves the rank files as
# they were.
# Usage: rank_replays.sh RUNNER PREFS_TOOL RESOURCES
set -uo pipefail
runner=$1 prefs=$2 resources=$(readlink -f "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
player=$work/player
fail() {
  echo "rank replays: $*"
  exit 1
}

# The title, START twice, then nothing held: three deaths from frame 951 on, the continue
# prompt times out and the game is ranked on frame 2922. With fire held the game goes on
# through a continue (A on the left half) to a higher score.
printf '60\n3 START\n10\n3 START\n' > "$work/still.script"
printf '60\n3 START\n10\n3 START\n5000 A\n' > "$work/fire.script"
session() {  # session SCRIPT FRAMES
  "$runner" --resources "$resources" --folder "$player" --script "$work/$1.script" \
    --frames "$2" --frame-skip 1000 > "$work/$1.out" 2>&1 ||
    fail "the $1 session failed: $(tail -n 3 "$work/$1.out")"
}
# The score of ranking entry N (0 to 8) in the player's bravin.pref.
entry_score() {
  "$prefs" --file "$player/bravin.pref" show | awk -v n=$(($1 + 1)) '$1 == n && NF >= 2 { print $2; exit }'
}
# Plays a rank replay headless: it must end in sync on its entry's score.
plays_to_entry() {  # plays_to_entry FILE N
  local out
  out=$("$runner" --resources "$resources" --replay "$1" --frame-skip 1000 2>&1) ||
    fail "$1 did not play back: $(tail -n 2 <<< "$out")"
  [ "$(tail -n 1 <<< "$out")" = "replay in sync" ] || fail "$1 is out of sync"
  local score
  score=$(sed -n 's/^score \([0-9-]*\) .*/\1/p' <<< "$out")
  [ -n "$score" ] && [ "$score" = "$(entry_score "$2")" ] ||
    fail "$1 ends on score $score, entry $2 holds $(entry_score "$2")"
}
rank() { echo "$player/replays/rank-$1.bravin-replay"; }

session still 3000
[ -s "$(rank 0)" ] || fail "the ranked game left no rank-0"
for n in 1 2 3 4 5 6 7 8; do [ ! -e "$(rank "$n")" ] || fail "rank-$n appeared"; done
plays_to_entry "$(rank 0)" 0
[ "$(entry_score 0)" -gt 0 ] || fail "the game was not ranked"
cp "$(rank 0)" "$work/first.rep"
echo "rank replays: a ranked game's replay plays back in sync to its entry's score"

# A file no entry made: entry 2 holds no game, yet rank-2 is there.
cp "$(rank 0)" "$(rank 2)"
session fire 5000
[ "$(entry_score 0)" -gt "$(entry_score 1)" ] || fail "the second game did not rank above the first"
cmp -s "$(rank 1)" "$work/first.rep" || fail "the first game's replay did not move to rank-1"
plays_to_entry "$(rank 0)" 0
plays_to_entry "$(rank 1)" 1
[ ! -e "$(rank 2)" ] && [ ! -e "$(rank 3)" ] || fail "the stale rank-2 survived or moved to rank-3"
echo "rank replays: a better game in a second session moved the first one's replay with its entry"

# bravin.pref read-only for an ordinary user: the save fails, the ranking on the disk and
# its replays stay (root passes every permission check, so the run gives it up).
if [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
  for n in 0 1; do cp "$(rank "$n")" "$work/kept-$n.rep"; done
  chown -R 65534:65534 "$work" && chmod 0444 "$player/bravin.pref" && chmod 0755 "$work"
  out=$(setpriv --reuid=65534 --regid=65534 --clear-groups "$runner" --resources "$resources" \
    --folder "$player" --script "$work/fire.script" --frames 5000 --frame-skip 1000 2>&1) ||
    fail "the read-only session failed: $(tail -n 3 <<< "$out")"
  grep -q "Open Error" <<< "$out" || fail "the read-only bravin.pref was saved"
  for n in 0 1; do
    cmp -s "$(rank "$n")" "$work/kept-$n.rep" || fail "rank-$n changed beside an unsaved bravin.pref"
  done
  [ ! -e "$(rank 2)" ] || fail "rank-2 appeared beside an unsaved bravin.pref"
  echo "rank replays: an unsaved bravin.pref leaves its replays as they were"
fi
echo "rank replays: all checks passed"
