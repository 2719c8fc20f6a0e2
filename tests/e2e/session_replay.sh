#!/usr/bin/env bash
# The game records its session: played with keys (START twice, moves with fire held, a
# dash, a pause and its resume, Escape to the title and Escape to quit), it leaves
# replays/session.bravin-replay, which the headless runner plays back in sync. A replay
# that cannot be written is one line, and the preferences are saved all the same.
source "$(dirname "$0")/lib.bash"
RUNNER=$(dirname "$BIN")/tools/headless/bravin-headless

run_under_xvfb <<'DRIVE'
start_game
wait_for_word bravin.pref 0 273
sleep 1
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.2; }
hold space 0.15; sleep 0.3; hold space 0.15; sleep 2
xdotool keydown z; hold Left 0.8; hold Up 0.6; hold Right 1.0; xdotool keyup z
hold x 0.15; sleep 0.5
hold space 0.3; sleep 1; hold space 0.15; sleep 0.5
xdotool keydown z; hold Down 1.0; xdotool keyup z; sleep 0.5
hold Escape 0.15; sleep 1.5
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
