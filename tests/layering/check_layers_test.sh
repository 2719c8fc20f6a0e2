#!/usr/bin/env bash
# The layering check itself: it passes a tree that keeps the rules and fails each kind of
# include that breaks them. Usage: check_layers_test.sh CHECKER
set -u
checker=${1:?usage: check_layers_test.sh CHECKER}
work=$(mktemp -d /tmp/bravin-layers-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# A small tree that keeps the rules.
clean_tree() {
  rm -rf "$work/top"
  mkdir -p "$work/top"/{game,actors,screens,render,shell}
  printf '#include "game/geometry.h"\n#include <cstdint>\n#include "shell/clock.h"\n' \
    > "$work/top/game/a.cpp"
  printf '#include "shell/input.h"\n#include "render/quads.h"\n#include "game/game_state.h"\n' \
    > "$work/top/actors/b.cpp"
  printf '#include "shell/audio.h"\n#include "shell/calendar.h"\n' > "$work/top/screens/c.h"
  printf '#include "actors/actor_table.h"\n#include "actors/stage_sequence.h"\n' \
    > "$work/top/game/game_flow.cpp"
  printf '#include <SDL_opengl.h>\n#include "render/draw_queue.h"\n#include "render/texture_upload.h"\n' \
    > "$work/top/render/d.cpp"
  printf '#include <SDL.h>\n#include "game/game_state.h"\n' > "$work/top/shell/e.cpp"
  printf '#include "actors/actor_table.h"\n' > "$work/top/shell/state_digest.cpp"
}

expect() {  # expect pass|fail DESCRIPTION
  if bash "$checker" "$work/top" > "$work/out.txt" 2>&1; then result=pass; else result=fail; fi
  if [ "$result" = "$1" ]; then
    echo "ok: $2"
  else
    echo "FAIL: $2 (the check answered $result)"; cat "$work/out.txt"; failures=$((failures + 1))
  fi
}

violate() {  # violate FILE LINE: adds the line to a clean tree
  clean_tree
  printf '%s\n' "$2" >> "$work/top/$1"
}

clean_tree
expect pass "a tree that keeps the rules passes"
violate game/a.cpp '#include <SDL.h>'
expect fail "SDL in game/"
violate actors/b.cpp '#include "SDL_mixer.h"'
expect fail "SDL_mixer in actors/"
violate screens/c.h '#include <SDL/SDL_keysym.h>'
expect fail "SDL by its folder in screens/"
violate game/a.cpp '  #  include <GL/gl.h>'
expect fail "GL with spaces around the hash in game/"
violate screens/c.h '#include <SDL_opengl.h>'
expect fail "SDL_opengl in screens/"
violate render/d.cpp '#include "game/game_state.h"'
expect fail "game/ in render/"
violate render/d.cpp '#include "actors/actor_table.h"'
expect fail "actors/ in render/"
violate render/d.cpp '#include "../screens/hud.h"'
expect fail "screens/ by a relative path in render/"
violate render/d.cpp '#include "shell/file_buffer.h"'
expect fail "shell/ in render/"
violate game/a.cpp '#include "shell/preferences.h"'
expect fail "a shell/ header other than its interfaces in game/"
violate actors/b.cpp '#include "shell/input_source.h"'
expect fail "a shell/ header named like an interface in actors/"
violate screens/c.h '#include "../shell/frame_step.h"'
expect fail "a shell/ header by a relative path in screens/"
violate game/a.cpp '#include "actors/actor_table.h"'
expect fail "actors/ in a game/ file other than the flow"
violate screens/c.h '#include "actors/stage_sequence.h"'
expect fail "actors/ in screens/"
violate shell/e.cpp '#include "actors/stage_file.h"'
expect fail "actors/ in shell/"
violate game/a.cpp '// #include <SDL.h> is not for this folder'
expect pass "an include named in a comment is no include"

[ $failures -eq 0 ] && { echo "all checks passed"; exit 0; }
exit 1
