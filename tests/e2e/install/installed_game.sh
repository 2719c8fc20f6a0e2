#!/usr/bin/env bash
# The installed game as players run it: the tree installed into a temporary prefix and
# made read-only, the launcher started from a folder the player cannot write, with a fresh
# HOME, then with XDG_DATA_HOME set, with a stage file of the player's own, and after the
# whole tree has been moved. Each run quits with Escape on the title.
source "$(dirname "$0")/lib.bash"

install_tree
configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$BUILD/CMakeCache.txt")
# The manual names Debian's /usr/share/games/bravin: a build configured for /usr cannot be
# told apart by its text.
case $configured in /usr | /usr/ | /) configured=$PREFIX ;; esac
check "no installed file names the prefix it was installed or configured with" \
  [ -z "$(grep -rlF -e "$PREFIX" -e "$configured" "$WORK/tree")" ]
chmod -R a-w "$WORK/tree"
manifest "$WORK/tree" > tree-before.txt
assets=$PREFIX/share/games/bravin/resources
# The run found the preferences file of an earlier run and saved it on quitting.
read_and_saved() {
  [ "$(head -c 15 out.txt)" = "$(printf 'Read Succeed.\r\n')" ] &&
    [ "$(tail -c 16 out.txt)" = "$(printf 'Write Succeed.\r\n')" ]
}

# The menu's icon in each size the desktop entry may be shown at (a PNG's width and height
# are the big-endian words at bytes 16 and 20).
for size in 32 48 64 128 256; do
  icon=$PREFIX/share/icons/hicolor/${size}x${size}/apps/org.example.bravin.png
  check "icon $size installed, $size x $size pixels" \
    [ "$(od -An -t u4 --endian=big -j 16 -N 8 "$icon" 2>/dev/null | tr -s ' ')" = " $size $size" ]
done
entry_names_both() {
  local entry=$PREFIX/share/applications/org.example.bravin.desktop
  grep -qx "Icon=org.example.bravin" "$entry" && grep -qx "Exec=bravin" "$entry"
}
check "the menu entry names the icon and the launcher" entry_names_both

# A fresh home: the folder is made under ~/.local/share and the game saves there.
new_player
play_once "$PREFIX/games/bravin" HOME="$WORK/home"
folder=$WORK/home/.local/share/bravin
check "fresh home: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "fresh home: bravin.pref saved in the player's folder" \
  [ "$(stat -c %s "$folder/bravin.pref" 2>/dev/null)" = 2536 ]
check "fresh home: the save is whole (integrity word 1)" [ "$(word_at "$folder/bravin.pref" 1932)" = 1 ]
check "fresh home: every installed asset is linked" \
  [ "$(find "$folder/resources" -type l | wc -l)" = "$(ls "$assets" | wc -l)" ]
check "fresh home: the links lead into the tree" \
  [ "$(readlink "$folder/resources/sky.PNG")" = "$assets/sky.PNG" ]
check "fresh home: the start folder is left empty" [ -z "$(ls -A "$WORK/start")" ]
[ "$failures" -eq 0 ] || show_run "$folder"

# XDG_DATA_HOME set: the folder is made there and nothing under the home.
new_player
mkdir "$WORK/data"
player_owns "$WORK/data"
play_once "$PREFIX/games/bravin" HOME="$WORK/home" XDG_DATA_HOME="$WORK/data"
folder=$WORK/data/bravin
check "XDG_DATA_HOME: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "XDG_DATA_HOME: bravin.pref saved in \$XDG_DATA_HOME/bravin" \
  [ "$(word_at "$folder/bravin.pref" 1932)" = 1 ]
check "XDG_DATA_HOME: nothing made under the home" [ ! -e "$WORK/home/.local" ]

# The player's own files: a stage file of a size the game refuses (so its line shows that
# it was read), an own link that leads nowhere, and a link left from an asset the tree no
# longer has. The first two stay, the third goes.
own="$folder/resources/stgseq.data"
head -c 1000 /dev/zero > "$own"
ln -s /nowhere/mine.PNG "$folder/resources/mine.PNG"
ln -s "$assets/gone.PNG" "$folder/resources/gone.PNG"
player_owns "$folder"
play_once "$PREFIX/games/bravin" HOME="$WORK/home" XDG_DATA_HOME="$WORK/data"
check "own stage file: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "own stage file: the game read it" grep -q "Stage file not used: 1000 bytes read" out.txt
own_file_kept() { [ ! -L "$own" ] && [ "$(stat -c %s "$own")" = 1000 ]; }
check "own stage file: left as it was" own_file_kept
check "own link: kept" [ "$(readlink "$folder/resources/mine.PNG")" = /nowhere/mine.PNG ]
check "a link to an asset no longer installed: removed" [ ! -L "$folder/resources/gone.PNG" ]
check "the earlier run's preferences read and saved again" read_and_saved
[ "$failures" -eq 0 ] || show_run "$folder"

manifest "$WORK/tree" > tree-after.txt
check "the installed tree is unchanged by the runs" cmp -s tree-before.txt tree-after.txt

# The tree moved: the links are made anew into its new place, and the game still runs.
chmod u+w "$WORK/tree"
mv "$WORK/tree" "$WORK/moved"
chmod u-w "$WORK/moved"
moved=$WORK/moved/usr
play_once "$moved/games/bravin" HOME="$WORK/home" XDG_DATA_HOME="$WORK/data"
check "moved tree: exit status 0" [ "$(cat status.txt 2>/dev/null)" = 0 ]
check "moved tree: the links lead into its new place" \
  [ "$(readlink "$folder/resources/sky.PNG")" = "$moved/share/games/bravin/resources/sky.PNG" ]
check "moved tree: no link into the old place is left" \
  [ -z "$(find "$folder/resources" -lname "$WORK/tree/*")" ]
check "moved tree: the same preferences read and saved" read_and_saved
check "moved tree: --version answers" [ "$("$moved/games/bravin" --version)" = "bravin $(cat "$moved/share/games/bravin/version")" ]
[ "$failures" -eq 0 ] || { show_run "$folder"; diff tree-before.txt tree-after.txt | head; }
finish
