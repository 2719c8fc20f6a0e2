#!/usr/bin/env bash
# The layers point one way: game/, actors/ and screens/ include no SDL or OpenGL header
# (they reach the platform through shell/ and render/), and render/ includes nothing of
# game/, actors/ or screens/ (it is handed what it draws). Usage: check_layers.sh TOP
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
report "render/ includes nothing from game/, actors/ or screens/" \
  "$(includes_matching '(\.\./)*(game|actors|screens)/' render)"

[ $status -eq 0 ] && echo "layering: every include follows the layers"
exit $status
