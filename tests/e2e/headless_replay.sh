#!/usr/bin/env bash
# The headless runner replays a script exactly: the same input gives the same state
# digest, and Escape held on the title ends the run in Quit on the frame it is let go.
# It can begin a game at a stage, and trace every frame.
source "$(dirname "$0")/lib.bash"
RUNNER=$(dirname "$BIN")/tools/headless/bravin-headless

printf '# idle on the title, then Escape for 3 frames\n30\n3 ESC\n100\n' > script.txt
"$RUNNER" --frames 200 --script script.txt --resources "$RESOURCES" > run1.txt 2>&1
"$RUNNER" --frames 200 --script script.txt --resources "$RESOURCES" > run2.txt 2>&1
check "the runner ends in Quit" grep -qx "mode 9" run1.txt
check "Escape is acted on when let go, after 31 frames" grep -qx "frames 31" run1.txt
check "two runs give the same digest" [ "$(grep ^digest run1.txt)" = "$(grep ^digest run2.txt)" ]
check "timing figures are printed" grep -q "^frame_ms median" run1.txt

printf '50\n' > idle.txt
"$RUNNER" --frames 50 --script idle.txt --resources "$RESOURCES" --dump frames --dump-every 25 > run3.txt 2>&1
check "an idle run stays on the title for all its frames" grep -qx "mode 8" run3.txt
check "frames are dumped as PNG" [ "$(head -c 4 frames/frame000025.png | tail -c 3)" = PNG ]
check "a bad script is refused" bash -c "printf '3 JUMP\n' > bad.txt; ! '$RUNNER' --script bad.txt --resources '$RESOURCES' > /dev/null 2>&1"

"$RUNNER" --frames 40 --start-stage 2 --trace trace.jsonl --resources "$RESOURCES" > run4.txt 2>&1
check "a game begun at a stage is in Play" grep -qx "mode 3" run4.txt
check "the trace has one line per frame" [ "$(wc -l < trace.jsonl)" -eq 40 ]
check "the trace starts at frame 0 of stage 2" grep -q '^{"f":0,"m":3,"sk":0,"stg":2,' trace.jsonl
check "the play step is timed in every frame of play" grep -qE "^play_step_ms median [0-9.]+ p99 [0-9.]+ frames 40$" run4.txt
check "the frame's 99th percentile is printed" grep -qE "^frame_ms median .* p99 [0-9.]+$" run4.txt
check "a stage outside 0 to 7 is refused" bash -c "! '$RUNNER' --start-stage 8 > /dev/null 2> usage.txt && grep -q '^usage:' usage.txt"
check "--start-stage and --new-game together are refused" bash -c "! '$RUNNER' --start-stage 1 --new-game > /dev/null 2>&1"
[ "$failures" -eq 0 ] || cat run1.txt run4.txt
finish
