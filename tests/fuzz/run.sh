#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build (clang, -DBRAVIN_FUZZ=ON) for a time or a number of
# runs each, and reports runs, speed and findings. Each target works on a corpus kept in
# BUILD/fuzz-corpus/NAME (seeded from tests/fuzz/corpus/NAME and the kept reproducers), so
# later runs build on earlier ones; a finding is written to BUILD/fuzz-findings/NAME/.
# Usage: run.sh BUILD (--seconds S | --runs N) [TARGET...]
# Exit status 1 when any target found something.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd) && shift
limit=()
case "${1:-}" in
  --seconds) limit=(-max_total_time="$2") ;;
  --runs) limit=(-runs="$2") ;;
  *) echo "usage: run.sh BUILD (--seconds S | --runs N) [TARGET...]" >&2; exit 64 ;;
esac
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(preferences stage_file replay)

# The longest input each takes: past the file's size, so that long files are tried too.
declare -A max_len=([preferences]=4096 [stage_file]=80001 [replay]=16384)

status=0
for name in "${targets[@]}"; do
  program=$build/tests/fuzz/fuzz_$name
  corpus=$build/fuzz-corpus/$name findings=$build/fuzz-findings/$name
  mkdir -p "$corpus" "$findings"
  cp -n "$here/corpus/$name"/* "$here/regressions/$name"/* "$corpus"/ 2>/dev/null
  # Leak checks stay off: the GL and SDL libraries keep memory for the process's life.
  # The target changes its working folder, so every path handed to it is absolute.
  ASAN_OPTIONS=detect_leaks=0 "$program" "${limit[@]}" -max_len="${max_len[$name]}" \
    -timeout=20 -print_final_stats=1 -detect_leaks=0 -artifact_prefix="$findings/" \
    "$corpus" > "$findings/log.txt" 2>&1
  code=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings/log.txt")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$findings/log.txt")
  found=$(find "$findings" -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o \
    -name 'oom-*' | wc -l)
  echo "fuzz $name: ${runs:-0} runs, ${speed:-0} runs/s, $found findings (exit $code)"
  if [ "$code" -ne 0 ] || [ "$found" -ne 0 ]; then
    tail -n 40 "$findings/log.txt"
    echo "fuzz $name: see $findings"
    status=1
  fi
done
exit $status
