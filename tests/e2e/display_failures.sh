#!/usr/bin/env bash
# Without a usable video mode the game ends with status 2, without SDL video with
# status 1, each with its message on standard error and nothing saved. Without a display
# it does not run unseen on a driver that shows nothing, unless SDL_VIDEODRIVER asks.
source "$(dirname "$0")/lib.bash"

SDL_VIDEODRIVER=dummy "$BIN" > out.txt 2> err.txt
status=$?
check "no OpenGL mode: exit status 2" [ "$status" = 2 ]
check "no OpenGL mode: the message names the mode" grep -q "^Couldn't set 640x480x[0-9]* video mode: " err.txt
check "no OpenGL mode: nothing saved" [ ! -e bravin.pref ]

SDL_VIDEODRIVER=no-such-driver "$BIN" > out.txt 2> err.txt
status=$?
check "no SDL: exit status 1" [ "$status" = 1 ]
check "no SDL: the message" grep -q "^Couldn't initialize SDL: " err.txt
check "no SDL: nothing printed on standard output" [ ! -s out.txt ]

# No display at all, and a display nobody serves: SDL would fall back to its offscreen
# driver and the game would sit unseen on the title. (The timeout ends such a run.)
for display in unset :4321; do
  if [ "$display" = unset ]; then
    env -u DISPLAY -u SDL_VIDEODRIVER timeout 20 "$BIN" > out.txt 2> err.txt
  else
    env -u SDL_VIDEODRIVER DISPLAY=$display timeout 20 "$BIN" > out.txt 2> err.txt
  fi
  status=$?
  check "display $display: exit status 2" [ "$status" = 2 ]
  check "display $display: the video-mode message" \
    grep -q "^Couldn't set 640x480x[0-9]* video mode: " err.txt
  check "display $display: nothing saved" [ ! -e bravin.pref ]
done

# Asked for, the offscreen driver runs the game; a close request ends it and saves.
env -u DISPLAY SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$BIN" > out.txt 2> err.txt &
game=$!
for _ in $(seq 200); do
  [ "$(word_at bravin.pref 0 2>/dev/null)" = 273 ] && break
  sleep 0.05
done
sleep 0.5
kill -TERM $game
wait $game
status=$?
check "offscreen asked for: exit status 0" [ "$status" = 0 ]
check "offscreen asked for: the preferences were saved" [ "$(word_at bravin.pref 1932)" = 1 ]
[ "$failures" -eq 0 ] || { echo "--- out.txt"; cat out.txt; echo "--- err.txt"; cat err.txt; }
finish
