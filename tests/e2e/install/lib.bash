# Shared by the tests of the installed game: installs the build into a fresh prefix under
# the test's working folder and runs the installed launcher as a player would, from a
# start folder of its own, with a HOME of its own. Run as root, the player is nobody, so
# the read-only tree and folders really are out of reach; otherwise the player is the
# caller.
BUILD=$(cd "$1" && pwd)
source "$(dirname "${BASH_SOURCE[0]}")/../lib.bash" "" /nonexistent
chmod 755 "$WORK"

PREFIX=$WORK/tree/usr
install_tree() {
  cmake --install "$BUILD" --prefix "$PREFIX" > install.txt 2>&1 || { cat install.txt; exit 1; }
}
# Every path of a tree with its kind, mode, size and content digest.
manifest() {
  (cd "$1" && find . -printf '%p %y %m %s %l\n' | sort &&
    find . -type f -print0 | sort -z | xargs -0 md5sum)
}

if [ "$(id -u)" -eq 0 ]; then
  export PLAYER_AS="setpriv --reuid=65534 --regid=65534 --clear-groups"
  player_owns() { chown -R 65534:65534 "$@"; }
else
  export PLAYER_AS=""
  player_owns() { :; }
fi

# A fresh home and an empty start folder that the player cannot write.
new_player() {
  rm -rf "$WORK/home" "$WORK/start"
  mkdir -p "$WORK/home" "$WORK/start"
  player_owns "$WORK/home"
  chmod 555 "$WORK/start"
}

# The game is started through this script (as $BIN by run_under_xvfb): it takes over the X
# cookie of the Xvfb run for the player and starts the launcher given as its argument
# with the environment of PLAYER_ENV.
cat > "$WORK/as-player.sh" <<'SCRIPT'
#!/bin/bash
cp "$XAUTHORITY" "$WORK/xauthority" && chmod 644 "$WORK/xauthority"
cd "$WORK/start" || exit 99
# shellcheck disable=SC2086 # the player's command and environment are lists of words
exec $PLAYER_AS env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$WORK/xauthority" \
  SDL_AUDIODRIVER=dummy $PLAYER_ENV "$LAUNCHER"
SCRIPT
chmod 755 "$WORK/as-player.sh"
BIN=$WORK/as-player.sh

# play_once LAUNCHER ENV...: one run of the installed game, quit with Escape on the title.
play_once() {
  export LAUNCHER=$1 WORK
  shift
  export PLAYER_ENV="$*"
  rm -f status.txt
  run_under_xvfb <<'DRIVE'
start_game
press_until_exit Escape
end_game
DRIVE
}

# The tree and the start folder are read-only: make them removable again at the end.
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT

# Describes the player's folder and the game's output after a failed check.
show_run() {
  echo "--- out.txt"; cat out.txt 2>/dev/null
  echo "--- err.txt"; cat err.txt 2>/dev/null
  echo "--- player's folder $1"; ls -la "$1" "$1/resources" 2>&1 | head -20
}
