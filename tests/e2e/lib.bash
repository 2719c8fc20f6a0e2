# Shared by the end-to-end tests: a fresh working folder with the asset folder linked in,
# and a way to run the real game under Xvfb while pressing keys with xdotool.
set -u
BIN=$1
RESOURCES=$2
WORK=$(mktemp -d /tmp/bravin-e2e-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
[ -d "$RESOURCES" ] && ln -s "$RESOURCES" resources
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}
finish() {
  if [ "$failures" -eq 0 ]; then echo "all checks passed"; exit 0; fi
  exit 1
}

# The little-endian signed word at a byte offset of a file.
word_at() { od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }

# Runs the game under Xvfb with the driver script given on standard input; the script
# sees $BIN and may use wait_for_window. It is stopped after XVFB_TIMEOUT seconds (60). The game's output lands in out.txt / err.txt,
# its exit status in status.txt.
run_under_xvfb() {
  cat > drive.sh
  cat > prelude.sh <<PRELUDE
wait_for_window() {
  for _ in \$(seq 200); do
    xdotool search --name BRAVIN >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}
# The first line xprop gives for the game window's icon ("... not found." when it has none).
window_icon() {
  xprop -id "\$(xdotool search --name BRAVIN | head -1)" _NET_WM_ICON 2>&1 | head -1
}
# Holds a key long enough for the game to see it in its key state, then lets it go.
press_key() { xdotool keydown "\$1"; sleep 0.15; xdotool keyup "\$1"; }
# Presses a key again and again until the game has ended: a press that comes while the
# game is still loading, before its first frame, is not seen.
press_until_exit() {
  for _ in \$(seq 60); do
    kill -0 \$GAME 2>/dev/null || return 0
    press_key "\$1"
    sleep 0.35
  done
}
# Waits until the word at a byte offset of a file holds a value.
wait_for_word() {
  for _ in \$(seq 400); do
    [ "\$(od -An -t d4 -j "\$2" -N 4 "\$1" 2>/dev/null | tr -d ' ')" = "\$3" ] && return 0
    sleep 0.05
  done
  return 1
}
# A screenshot of the whole display in xwd's format.
screenshot() { xwd -root -silent > "\$1"; }
# Counts the pixels of a screenshot's rectangle (X Y W H) for which the awk condition on
# r, g and b holds. xwd writes a header, a colour map of 12-byte entries, then rows of
# four bytes a pixel, blue first.
count_pixels() {
  local file=\$1 x=\$2 y=\$3 w=\$4 h=\$5 cond=\$6
  local header colours pitch
  header=\$(od -An -t u4 --endian=big -j 0 -N 4 "\$file" | tr -d ' ')
  pitch=\$(od -An -t u4 --endian=big -j 48 -N 4 "\$file" | tr -d ' ')
  colours=\$(od -An -t u4 --endian=big -j 76 -N 4 "\$file" | tr -d ' ')
  local start=\$((header + colours * 12))
  for row in \$(seq "\$y" \$((y + h - 1))); do
    od -An -v -t u1 -w4 -j \$((start + row * pitch + x * 4)) -N \$((w * 4)) "\$file"
  done | awk "{ b = \\\$1; g = \\\$2; r = \\\$3; if (\$cond) n++ } END { print n + 0 }"
}
start_game() { "$BIN" > out.txt 2> err.txt & GAME=\$!; wait_for_window; sleep 0.5; }
end_game() { wait \$GAME; echo \$? > status.txt; }
PRELUDE
  timeout "${XVFB_TIMEOUT:-60}" xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash -c 'source ./prelude.sh; source ./drive.sh'
}
