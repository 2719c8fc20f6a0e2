#!/usr/bin/env bash
# Sets everything up, builds the normal and the sanitizer (ASan + UBSan) builds and runs
# every test in both; with clang, also runs each fuzz target for 30 seconds.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
need_packages "${play_packages[@]}" "${display_packages[@]}" "${test_packages[@]}"
build build -DBRAVIN_TESTS=ON
build build-asan -DBRAVIN_TESTS=ON -DBRAVIN_SANITIZE=ON -DBRAVIN_ASSETS=OFF
status=0
if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzz: each target for 30 seconds (clang build in build-fuzz)"
  CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRAVIN_TESTS=ON -DBRAVIN_FUZZ=ON -DBRAVIN_SANITIZE=ON -DBRAVIN_ASSETS=OFF >/dev/null
  cmake --build "$top/build-fuzz" -j "$jobs" --target fuzz_preferences fuzz_stage_file fuzz_replay
  bash "$top/tests/fuzz/run.sh" "$top/build-fuzz" --seconds 30 || status=1
else
  echo "== fuzz: skipped, clang++ is not installed (scripts/setup.sh installs it)"
fi
echo "== tests: normal build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs" || status=1
echo "== tests: sanitizer build"
ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" || status=1
exit $status
