#!/usr/bin/env bash
# Sets everything up, builds the normal and the sanitizer (ASan + UBSan) builds and runs
# every test in both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
build build
build build-asan -DBRAVIN_SANITIZE=ON -DBRAVIN_ASSETS=OFF
status=0
echo "== tests: normal build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs" || status=1
echo "== tests: sanitizer build"
ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" || status=1
exit $status
