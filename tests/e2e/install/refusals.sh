#!/usr/bin/env bash
# The launcher's answers that start no game: a player's folder that cannot be made is
# one line on standard error naming it and status 1; --help and --version answer at once;
# an unknown option is status 2. None of these needs a display: a launcher that started
# the game here would fail with the game's own status instead.
source "$(dirname "$0")/lib.bash"

install_tree
launcher=$PREFIX/games/bravin
new_player

# refused NAME FOLDER ENV...: the launcher, run as the player with only ENV, ends with
# status 1 and one line on standard error that names FOLDER.
refused() {
  local name=$1 folder=$2
  shift 2
  # shellcheck disable=SC2086 # the player's command is a list of words
  (cd "$WORK/start" && $PLAYER_AS env -i PATH=/usr/bin:/bin "$@" "$launcher" > "$WORK/out.txt" 2> "$WORK/err.txt")
  local status=$?
  check "$name: exit status 1" [ "$status" = 1 ]
  check "$name: one line on standard error" [ "$(wc -l < err.txt)" = 1 ]
  check "$name: the line names the folder" grep -qF "$folder" err.txt
  check "$name: nothing on standard output" [ ! -s out.txt ]
  [ "$failures" -eq 0 ] || { echo "--- err.txt"; cat err.txt; }
}

refused "no HOME" "~/.local/share/bravin"
refused "HOME not a folder" /proc/version/.local/share/bravin HOME=/proc/version
chmod 555 "$WORK/home"
refused "read-only HOME" "$WORK/home/.local/share/bravin" HOME="$WORK/home"
refused "XDG_DATA_HOME unwritable" /proc/bravin HOME="$WORK/home" XDG_DATA_HOME=/proc
check "nothing made in the read-only home" [ -z "$(ls -A "$WORK/home")" ]

# A relative XDG_DATA_HOME is ignored, as the base directory rules say.
refused "relative XDG_DATA_HOME" "$WORK/home/.local/share/bravin" HOME="$WORK/home" \
  XDG_DATA_HOME=data

"$launcher" --version > out.txt 2> err.txt
check "--version: status 0 and the installed version" \
  [ "$?:$(cat out.txt)" = "0:bravin $(cat "$PREFIX/share/games/bravin/version")" ]
# Started through a link from elsewhere (as from a bin folder on the path), the launcher
# still finds its own tree.
ln -s "$launcher" "$WORK/linked-bravin"
check "through a link: --version reads the tree's version" \
  [ "$("$WORK/linked-bravin" --version)" = "bravin $(cat "$PREFIX/share/games/bravin/version")" ]
"$launcher" --help > out.txt 2> err.txt
check "--help: status 0 and the usage" [ "$?:$(head -1 out.txt)" = "0:Usage: bravin [--help | --version]" ]
"$launcher" --fullscreen > out.txt 2> err.txt
check "an unknown option: status 2, the option named" \
  [ "$?:$(head -1 err.txt)" = "2:bravin: unknown option: --fullscreen" ]
finish
