#!/usr/bin/env bash
# The window takes resources/icon.bmp as its icon. One too large for the X server (from
# 2048 x 2048 pixels on it refuses the icon, and SDL ends the process) is left out, as a
# missing one is: the window has no icon and the game runs and saves as usual.
source "$(dirname "$0")/lib.bash"

le32() {
  local v=$1
  printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"
  printf "\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))"
}
make_bmp() {  # make_bmp FILE WIDTH HEIGHT: a black 24-bit picture
  local row=$((($2 * 3 + 3) / 4 * 4))
  local size=$((row * $3))
  {
    printf BM; le32 $((54 + size)); le32 0; le32 54
    le32 40; le32 "$2"; le32 "$3"; printf '\x01\x00\x18\x00'; le32 0; le32 "$size"
    le32 2835; le32 2835; le32 0; le32 0
    head -c "$size" /dev/zero
  } > "$1"
}

run_and_quit() {
  run_under_xvfb <<'DRIVE'
start_game
window_icon > icon.txt
press_until_exit Escape
end_game
DRIVE
}

run_and_quit
check "the icon of resources/ is the window's icon" grep -q "^_NET_WM_ICON(CARDINAL)" icon.txt

# The same assets with a 2048 x 2048 icon.
rm -f resources bravin.pref status.txt icon.txt
mkdir resources
for f in "$RESOURCES"/*; do ln -s "$f" resources/; done
rm -f resources/icon.bmp
make_bmp resources/icon.bmp 2048 2048
run_and_quit
check "a 2048 x 2048 icon: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "a 2048 x 2048 icon: the window has none" grep -q "not found" icon.txt
check "a 2048 x 2048 icon: the preferences were saved" [ "$(word_at bravin.pref 1932)" = 1 ]
[ "$failures" -eq 0 ] || { echo "--- icon.txt"; cat icon.txt; echo "--- err.txt"; cat err.txt; }
finish
