#!/usr/bin/env bash
# A request to close the program (SDL turns SIGTERM into a quit event) ends it after the
# current frame and saves the preferences, from the title or in play.
source "$(dirname "$0")/lib.bash"

run_under_xvfb <<'DRIVE'
start_game
sleep 0.3
kill -TERM $GAME
end_game
DRIVE

check "exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "the preferences were saved" [ "$(word_at bravin.pref 1932)" = 1 ]
check "the save printed Write Succeed last" [ "$(tail -c 16 out.txt)" = "$(printf 'Write Succeed.\r\n')" ]
finish
