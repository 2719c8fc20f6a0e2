#!/usr/bin/env bash
# The sanitizer soak: 20,000 frames of stage 0 under a random input script (fixed seed)
# in the ASan + UBSan build. Any finding ends the run with an error status (UBSan is
# built not to recover); its report on standard error fails the test as well.
# Usage: soak.sh RUNNER RESOURCES [FRAMES] [SEED]
set -uo pipefail
runner=$1 resources=$2 frames=${3:-20000} seed=${4:-20240611}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/random_script.sh" "$seed" "$frames" > "$work/soak.script"
# Leaks are left out: the GL and audio libraries keep memory to the end of the process.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
start=$(date +%s)
"$runner" --resources "$resources" --script "$work/soak.script" --start-stage 0 \
  --frames "$frames" > "$work/out.txt" 2> "$work/err.txt"
status=$?
echo "soak: $frames frames, seed $seed, status $status, $(($(date +%s) - start)) s"
cat "$work/out.txt"
if [ $status -ne 0 ] || grep -qE "runtime error|Sanitizer" "$work/err.txt"; then
  cat "$work/err.txt"
  exit 1
fi
