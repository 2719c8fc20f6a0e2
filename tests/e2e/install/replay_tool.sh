#!/usr/bin/env bash
# The installed bravin-replay finds the assets as its manual says: started from a folder of
# no assets by a player who has no folder yet, it plays with the installed ones, in sync;
# once the player's folder has resources/ of its own, those win (a stage file of the
# player's own there: the replay, recorded with the built-in stages, is refused). Its
# manual page is installed.
source "$(dirname "$0")/lib.bash"

install_tree
tool=$PREFIX/bin/bravin-replay
runner=$BUILD/tools/headless/bravin-headless
sources=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$BUILD/CMakeCache.txt")
printf '60\n3 START\n10\n3 START\n124 A\n' > short.script
"$runner" --resources "$sources/resources" --script short.script --frames 200 \
  --record "$WORK/short.rep" > record.txt 2>&1 || { cat record.txt; exit 1; }
chmod 644 short.rep
new_player

# replay NAME ENV...: the installed tool, run as the player from the start folder with
# only ENV, plays short.rep offscreen without a sound device.
replay() {
  # shellcheck disable=SC2086 # the player's command is a list of words
  (cd "$WORK/start" && $PLAYER_AS env -i PATH=/usr/bin:/bin SDL_VIDEODRIVER=offscreen \
    SDL_AUDIODRIVER=dummy "$@" "$tool" "$WORK/short.rep" > "$WORK/out.txt" 2> "$WORK/err.txt")
  echo $? > "$WORK/status.txt"
}

replay HOME="$WORK/home"
check "no player's folder: the installed assets, status 0" [ "$(cat status.txt)" = 0 ]
check "no player's folder: in sync" [ "$(tail -n 1 out.txt)" = "replay in sync" ]
check "no player's folder: none made" [ ! -e "$WORK/home/.local" ]
[ "$failures" -eq 0 ] || { cat out.txt err.txt; }

folder=$WORK/home/.local/share/bravin
mkdir -p "$folder/resources"
for asset in "$PREFIX"/share/games/bravin/resources/*; do ln -s "$asset" "$folder/resources/"; done
head -c 80000 /dev/zero > "$folder/resources/stgseq.data"
player_owns "$WORK/home"
replay HOME="$WORK/home"
check "the player's resources/: used, so its stage file refuses the replay" \
  [ "$(cat status.txt)" = 1 ] && grep -q "recorded with other stage data" err.txt
[ "$failures" -eq 0 ] || { cat out.txt err.txt; }

check "the manual page is installed" [ -s "$PREFIX/share/man/man1/bravin-replay.1" ]
finish
