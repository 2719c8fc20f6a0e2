#!/bin/sh
# bravin: starts the game in the player's own folder.
#
# The game reads resources/ and keeps bravin.pref in its working folder. This launcher
# gives each player a folder of their own ($XDG_DATA_HOME/bravin, or ~/.local/share/bravin)
# whose resources/ holds links to the installed assets, and starts the game there. It finds
# the installed tree from its own place (PREFIX/games/bravin), so the tree can be installed
# under any prefix and moved.
set -u

self=$(readlink -f -- "$0") || self=$0
prefix=${self%/*}
prefix=${prefix%/*}
data=$prefix/share/games/bravin
assets=$data/resources
game=$prefix/lib/games/bravin/bravin

usage() {
  cat <<EOF
Usage: bravin [--help | --version]
Starts the game BRAVIN in the player's folder:
  \$XDG_DATA_HOME/bravin, or ~/.local/share/bravin when XDG_DATA_HOME is unset.
There the game keeps bravin.pref (keys, settings, coins and ranking); resources/ holds
links to the installed assets, and a file of your own there (such as stgseq.data) is
used instead of the installed one. See bravin(6).
EOF
}

case $# in
  0) ;;
  1)
    case $1 in
      --help | -h)
        usage
        exit 0
        ;;
      --version)
        printf 'bravin %s\n' "$(cat -- "$data/version" 2>/dev/null || echo unknown)"
        exit 0
        ;;
    esac
    printf 'bravin: unknown option: %s\n' "$1" >&2
    usage >&2
    exit 2
    ;;
  *)
    usage >&2
    exit 2
    ;;
esac

if [ ! -x "$game" ] || [ ! -d "$assets" ]; then
  printf 'bravin: the installed game is incomplete: %s\n' "$prefix" >&2
  exit 1
fi

# A relative XDG_DATA_HOME is to be ignored, as an unset one is.
case ${XDG_DATA_HOME-} in
  /*) folder=$XDG_DATA_HOME/bravin ;;
  *)
    case ${HOME-} in
      /*) folder=$HOME/.local/share/bravin ;;
      *)
        echo 'bravin: cannot make the player'"'"'s folder ~/.local/share/bravin: HOME is not set' >&2
        exit 1
        ;;
    esac
    ;;
esac

cannot() {
  printf "bravin: cannot make the player's folder %s%s\n" "$folder" "${1:+: $1}" >&2
  exit 1
}
mkdir -p -- "$folder/resources" 2>/dev/null || cannot
[ -w "$folder" ] || cannot "it is not writable"

# Links to installed assets carry the asset's own path; a link whose name leads to
# share/games/bravin/resources/NAME came from this launcher. One that no longer reaches
# this tree's file (the tree was moved, another installation ran, the asset is gone) is
# replaced. A player's own files and links are left alone, and win over the installed ones.
for link in "$folder"/resources/*; do
  [ -L "$link" ] || continue
  name=${link##*/}
  target=$(readlink -- "$link") || continue
  case $target in
    */share/games/bravin/resources/"$name")
      if [ "$target" != "$assets/$name" ] || [ ! -e "$link" ]; then
        rm -f -- "$link" || cannot "resources/$name cannot be replaced"
      fi
      ;;
  esac
done
present() { [ -e "$folder/resources/$1" ] || [ -L "$folder/resources/$1" ]; }
for asset in "$assets"/*; do
  [ -e "$asset" ] || continue
  name=${asset##*/}
  present "$name" && continue
  # Another start at the same moment may have made the link first.
  ln -s -- "$asset" "$folder/resources/$name" 2>/dev/null || present "$name" ||
    cannot "resources/$name cannot be linked"
done

cd -- "$folder" || cannot
exec "$game"
