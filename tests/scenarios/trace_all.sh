#!/usr/bin/env bash
# Writes the trace of every kept scenario (or the named ones) into OUT/NAME.jsonl, with the
# runner's printed lines in OUT/NAME.out, so that a change meant to keep behaviour can be
# compared frame for frame with the traces of the code before it:
#   trace_all.sh OUT_BEFORE; (change, rebuild); trace_all.sh OUT_AFTER
#   trace_all.sh --compare OUT_BEFORE OUT_AFTER
# RUNNER and RESOURCES may be set (default: the normal build's runner and resources/).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../.." && pwd)

if [ "${1:-}" = "--compare" ]; then
  before=${2:?usage: trace_all.sh --compare BEFORE AFTER} after=${3:?usage: trace_all.sh --compare BEFORE AFTER}
  status=0
  for f in "$before"/*.jsonl; do
    name=$(basename "$f" .jsonl)
    if [ ! -f "$after/$name.jsonl" ]; then
      echo "$name: no trace in $after"; status=1; continue
    fi
    if cmp -s "$f" "$after/$name.jsonl"; then
      echo "$name: identical ($(wc -l < "$f") frames)"
    else
      line=$(cmp "$f" "$after/$name.jsonl" 2>&1 | sed -n 's/.* line \([0-9]*\).*/\1/p' || true)
      echo "$name: differs first at frame $(( ${line:-1} - 1 ))"; status=1
    fi
  done
  exit $status
fi

out=${1:?usage: trace_all.sh OUT [NAME...] | --compare BEFORE AFTER}; shift
runner=${RUNNER:-$top/build/tools/headless/bravin-headless}
resources=${RESOURCES:-$top/resources}
mkdir -p "$out"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$here"/*.digest; do names+=("$(basename "$f" .digest)"); done
fi
for name in "${names[@]}"; do
  options=$(sed -n 's/^options //p' "$here/$name.digest")
  # shellcheck disable=SC2086  # the options are words
  "$runner" --resources "$resources" --script "$here/$name.script" $options \
    --trace "$out/$name.jsonl" 2>&1 | grep -vE '^(startup_ms|frame_ms|play_step_ms) ' > "$out/$name.out"
  echo "$name: $(wc -l < "$out/$name.jsonl") frames traced"
done
