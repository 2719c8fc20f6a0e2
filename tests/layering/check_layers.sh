#!/usr/bin/env bash
# The layers point one way: game/, actors/ and screens/ include no SDL or OpenGL header
# (they reach the platform through shell/ and render/) and of shell/ only its input,
# audio, clock and calendar interfaces; render/ includes nothing of shell/, game/, actors/
# or screens/ (it is handed what it draws and what it loads); and among game/, screens/,
# shell/ and render/ only the game's flow (game/game_flow.cpp) includes from actors/.
# Usage: check_layers.sh TOP
# Prints every include that breaks a rule and fails if there is one.
set -u
top=${1:?usage: check_layers.sh TOP}
status=0

# Lists the #include lines of the C++ files under the given folders of TOP that match
# the pattern (an extended regular expression for the included name).
includes_matching() {
  local pattern=$1; shift
  local dirs=()
  for d in "$@"; do [ -d "$top/$d" ] && dirs+=("$top/$d"); done
  [ ${#dirs[@]} -eq 0 ] && return 0
  grep -rnE --include='*.cpp' --include='*.h' --include='*.hpp' --include='*.cc' \
    "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)" "${dirs[@]}"
}

report() {  # report RULE LINES: the lines break the rule
  local found=$2
  if [ -n "$found" ]; then
    echo "layering: $1"
    echo "$found" | sed "s|^$top/|  |"
    status=1
  fi
}

report "no SDL or OpenGL include in game/, actors/ or screens/" \
  "$(includes_matching '([^">]*/)?SDL[^/">]*\.h|GL/|OpenGL/' game actors screens)"
report "render/ includes nothing from shell/, game/, actors/ or screens/" \
  "$(includes_matching '(\.\./)*(shell|game|actors|screens)/' render)"

# The shell interfaces the game may use; any other shell/ header is the shell's own.
shell_interfaces='input|audio|clock|calendar'
report "game/, actors/ and screens/ include from shell/ only input.h, audio.h, clock.h, calendar.h" \
  "$(includes_matching '(\.\./)*shell/' game actors screens |
     grep -vE "[<\"](\.\./)*shell/($shell_interfaces)\.h[\">]")"

# The flow is where the game meets the actors; the state digest reads every table (a
# replay's proof that its playback keeps to the recording), the actors' ones included.
flow_file=game/game_flow.cpp
digest_file=shell/state_digest.cpp
report "only $flow_file and $digest_file include from actors/ (among game/, screens/, shell/, render/)" \
  "$(includes_matching '(\.\./)*actors/' game screens shell render |
     grep -vE "^$top/($flow_file|$digest_file):")"

[ $status -eq 0 ] && echo "layering: every include follows the layers"
exit $status
