#!/usr/bin/env bash
# Pictures and sounds that are missing, empty, garbage or of the wrong size leave the game
# starting, running a game and ending normally with its file saved. Three runs, each with
# many files spoilt at once (tools/spoiled_assets/walk.sh tries every file alone).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.bash"
source "$here/../../tools/spoiled_assets/spoil.bash"
export SPOIL_CACHE=$WORK/cache ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy
mkdir -p "$SPOIL_CACHE"

# spoil_all HOW_FOR_PICTURES HOW_FOR_SOUNDS HOW_FOR_MUSIC
spoil_all() {
  for f in $(ls resources); do
    case $f in
      *.aif) spoil resources "$f" "$2" ;;
      *.ogg | *.mp3 | *.mid) spoil resources "$f" "$3" ;;
      *) is_picture "$f" && spoil resources "$f" "$1" ;;
    esac
  done
}

no_findings() { ! grep -qE "runtime error|Sanitizer" err.txt; }

# Runs the game in a fresh folder set up by the command given, and checks how it ended.
play_spoilt() {  # play_spoilt WHAT COMMAND...
  local what=$1; shift
  mkdir -p "$WORK/$what" && cd "$WORK/$what" || return
  cp -rL "$RESOURCES" resources && "$@"
  run_under_xvfb <<'DRIVE'
start_game
wait_for_word bravin.pref 0 273
# Huge pictures take a while to load, and a key pressed before the title runs is not seen.
sleep "${LOAD_WAIT:-0}"
press_key space; sleep 0.4; press_key space; sleep 2
press_key Escape; sleep 1
press_until_exit Escape
end_game
DRIVE
  check "$what: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
  # Only a stage loads music, and none of these runs has its first track whole.
  check "$what: a game was played (stage 0 asked for its track)" grep -q BreakingNow.ogg out.txt
  check "$what: no sanitizer finding" no_findings
  check "$what: the saved file is 2536 bytes" [ "$(stat -c %s bravin.pref)" = 2536 ]
  check "$what: the coin was saved with its integrity word" \
    [ "$(word_at bravin.pref 1568) $(word_at bravin.pref 1932)" = "1 1" ]
  check "$what: the save ends with Write Succeed" \
    [ "$(tail -c 16 out.txt)" = "$(printf 'Write Succeed.\r\n')" ]
  [ "$failures" -eq 0 ] || { echo "--- out.txt"; cat out.txt; echo "--- err.txt"; cat err.txt; }
}

large_or_missing() {
  spoil_all missing missing missing
  for f in chr64x64texs.PNG titletexs.PNG mavutitle02.JPG largefont.PNG icon.bmp; do
    cp "$RESOURCES/$f" resources/ && spoil resources "$f" large
  done
}

play_spoilt garbage-pictures-empty-sounds spoil_all garbage empty empty
play_spoilt small-pictures-garbage-sounds spoil_all small garbage missing
LOAD_WAIT=5 play_spoilt large-pictures-nothing-else large_or_missing
finish
