#!/usr/bin/env bash
# The title appears; START twice (the first brings up "Press START", the second starts)
# begins a game whose heads-up display shows the score; Escape abandons the game without
# recording it and goes back to the title; Escape there quits and saves.
source "$(dirname "$0")/lib.bash"

run_under_xvfb <<'DRIVE'
start_game
wait_for_word bravin.pref 0 273
sleep 1.5
screenshot title.xwd
press_key space
sleep 0.5
press_key space
sleep 3
screenshot play.xwd
press_key Escape
sleep 1.5
screenshot back.xwd
# Lit pixels in the middle of the screen, and the cyan of "SCORE " at the top.
count_pixels title.xwd 220 140 200 200 'r + g + b > 150' > title-lit.txt
count_pixels play.xwd 185 8 230 14 'r < 150 && g > 180 && b > 180' > play-cyan.txt
count_pixels back.xwd 185 8 230 14 'r < 150 && g > 180 && b > 180' > back-cyan.txt
press_until_exit Escape
end_game
DRIVE

check "exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "the title shows a picture" [ "$(cat title-lit.txt)" -gt 4000 ]
check "the game shows SCORE in cyan at the top" [ "$(cat play-cyan.txt)" -gt 150 ]
check "Escape leaves the game for the title" [ "$(cat back-cyan.txt)" -lt 20 ]
scores=0
for i in $(seq 0 9); do scores=$((scores + $(word_at bravin.pref $((1572 + 4 * i))))); done
check "the abandoned game is not in the ranking" [ "$scores" = 0 ]
check "the saved file is 2536 bytes" [ "$(stat -c %s bravin.pref)" = 2536 ]
[ "$failures" -eq 0 ] || {
  echo "lit $(cat title-lit.txt) cyan $(cat play-cyan.txt) back $(cat back-cyan.txt)"
  echo "--- out.txt"; cat out.txt; echo "--- err.txt"; cat err.txt
}
finish
