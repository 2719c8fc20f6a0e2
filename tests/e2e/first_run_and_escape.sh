#!/usr/bin/env bash
# A first run in an empty folder creates the preferences file; Escape on the title ends
# the game normally and saves the coin with its integrity word.
source "$(dirname "$0")/lib.bash"

run_under_xvfb <<'DRIVE'
start_game
# The defaults are in once the created file has been written back.
wait_for_word bravin.pref 0 273
cp bravin.pref pref-at-start
press_until_exit Escape
end_game
DRIVE

check "exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "first run prints Open Error, CrF Succeed, Write Succeed in order" \
  [ "$(head -c 43 out.txt)" = "$(printf 'Open Error.\r\nCrF Succeed.\r\nWrite Succeed.\r\n')" ]
check "the new file is 2536 bytes" [ "$(stat -c %s pref-at-start)" = 2536 ]
check "the new file holds the default Up key" [ "$(word_at pref-at-start 0)" = 273 ]
check "the new file holds the default START key" [ "$(word_at pref-at-start 28)" = 32 ]
check "the new file holds the settings 1 3 2 0" \
  [ "$(word_at pref-at-start 1536)$(word_at pref-at-start 1540)$(word_at pref-at-start 1544)$(word_at pref-at-start 1548)" = 1320 ]
nonzero=$(od -An -v -t u1 -w1 pref-at-start | awk '$1 != 0 && !((NR-1) < 32 || ((NR-1) >= 1536 && (NR-1) < 1548))' | wc -l)
check "nothing else in the new file is set" [ "$nonzero" = 0 ]
check "the saved file holds 1 coin" [ "$(word_at bravin.pref 1568)" = 1 ]
check "the saved file holds the integrity word 1" [ "$(word_at bravin.pref 1932)" = 1 ]
check "the saved file is still 2536 bytes" [ "$(stat -c %s bravin.pref)" = 2536 ]
check "the save ends with Write Succeed" [ "$(tail -c 16 out.txt)" = "$(printf 'Write Succeed.\r\n')" ]
[ "$failures" -eq 0 ] || { echo "--- out.txt"; cat out.txt; echo "--- err.txt"; cat err.txt; }
finish
