#!/usr/bin/env bash
# Re-records the expected digest of the named scenarios (all when none is named) from the
# runner of the normal build. A stored digest changes only on purpose: say why in the
# commit message. Usage: record.sh [NAME...]   (RUNNER and RESOURCES may be set)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../.." && pwd)
runner=${RUNNER:-$top/build/tools/headless/bravin-headless}
resources=${RESOURCES:-$top/resources}
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$here"/*.digest; do names+=("$(basename "$f" .digest)"); done
fi
for name in "${names[@]}"; do
  options=$(sed -n 's/^options //p' "$here/$name.digest")
  # shellcheck disable=SC2086  # the options are words
  digest=$("$runner" --resources "$resources" --script "$here/$name.script" $options 2>/dev/null |
    sed -n 's/^digest //p')
  [ -n "$digest" ] || { echo "$name: the runner printed no digest" >&2; exit 1; }
  sed -i "s/^digest .*/digest $digest/" "$here/$name.digest"
  echo "$name: digest $digest"
done
