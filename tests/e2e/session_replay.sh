#!/usr/bin/env bash
# The game records its session: played with keys (START twice, moves with fire held, a
# dash, a pause and its resume, then held still in front of the enemies for the three
# deaths that stage 0 gives from about 16 s of play on, the continue prompt declined by
# walking right and pressing fire, the ranking, and Escape to quit), it leaves
# replays/session.bravin-replay, which the headless runner plays back in sync through the
# deaths and the prompt, and rank-0, which plays to the ranked score. A replay that cannot
# be written is one line, and the preferences are saved all the same.
source "$(dirname "$0")/lib.bash"
RUNNER=$(dirname "$BIN")/tools/headless/bravin-headless
PREFS=$(dirname "$BIN")/tools/prefs/bravin-prefs

XVFB_TIMEOUT=90 run_under_xvfb <<'DRIVE'
start_game
wait_for_word bravin.pref 0 273
sleep 1
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.2; }
hold space 0.15; sleep 0.3; hold space 0.15; sleep 2
xdotool keydown z; hold Left 0.8; hold Up 0.6; hold Right 1.0; xdotool keyup z
hold x 0.15; sleep 0.5
hold space 0.3; sleep 1; hold space 0.15; sleep 0.5
xdotool keydown z; hold Down 1.0; xdotool keyup z
# A dash starts only low enough: after the move down.
hold x 0.15
# Still until the third fall has ended (about 27 s of play; the prompt then lasts 20 s),
# then right of the middle and fire, which declines; again a few times in case the
# prompt came late (in the title neither is read).
sleep 19
for _ in 1 2 3 4; do hold Right 0.8; hold z 0.2; sleep 0.8; done
sleep 4
press_until_exit Escape
end_game
DRIVE
check "exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "the session's replay is written" [ -s replays/session.bravin-replay ]
"$RUNNER" --resources "$RESOURCES" --replay replays/session.bravin-replay --frame-skip 1000 \
  > playback.txt 2>&1
status=$?
check "the replay plays back headless in sync" [ "$status" = 0 ]
check "its last line says so" [ "$(tail -n 1 playback.txt)" = "replay in sync" ]
check "the game was played in it" grep -qE '^play_step_ms median .* frames [1-9][0-9]+$' playback.txt
"$RUNNER" --resources "$RESOURCES" --replay replays/session.bravin-replay --frame-skip 1000 \
  --trace trace.jsonl > /dev/null 2>&1
check "the player dashed in it" grep -q '"p":{"s":4,' trace.jsonl
check "the player fell in it" grep -q '"p":{"s":5,' trace.jsonl
check "the continue prompt was shown in it" grep -q '"p":{"s":7,' trace.jsonl
check "the game was ranked in it" grep -q '"m":5,' trace.jsonl
"$RUNNER" --resources "$RESOURCES" --replay replays/rank-0.bravin-replay --frame-skip 1000 \
  > rank.txt 2>&1
check "the ranked game's replay plays back in sync" [ "$(tail -n 1 rank.txt)" = "replay in sync" ]
ranked=$("$PREFS" --file bravin.pref show | awk '$1 == 1 && NF >= 2 { print $2; exit }')
check "it ends on the ranked score" grep -qx "score $ranked lives 0" rank.txt

# A file where the replays folder should be: the replay cannot be written.
rm -rf replays bravin.pref
echo "not a folder" > replays
run_under_xvfb <<'DRIVE'
start_game
wait_for_word bravin.pref 0 273
sleep 1
press_until_exit Escape
end_game
DRIVE
check "unwritable replay: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "unwritable replay: one line says so" \
  [ "$(grep -c '^Replay not saved: replays/session.bravin-replay: ' out.txt)" = 1 ]
check "unwritable replay: the preferences are saved" [ "$(word_at bravin.pref 1568)" = 1 ]
[ "$failures" -eq 0 ] || { echo "--- playback.txt"; cat playback.txt; echo "--- out.txt"; cat out.txt; }
finish
