#!/usr/bin/env bash
# A few runs of the kill tool (tools/kill_save/kill_save.sh): the game killed with SIGKILL
# in the middle of its end-of-run save leaves the old or the new bravin.pref, and a first
# run killed just after its file appears leaves the whole file. The tool's own figures
# come from longer runs of it.
game=$1 resources=$2
command -v gdb > /dev/null || { echo "gdb is not installed (scripts/setup.sh installs it)"; exit 1; }
bash "$(dirname "$0")/../../tools/kill_save/kill_save.sh" "$game" "$resources" \
  --runs 3 --first-runs 2 --seed 7
