#!/usr/bin/env bash
# The menu icons come out of the picture generator the same, byte for byte, at every run
# (the package's contents must not change from build to build), and a folder they cannot be
# written to is a failure, not a success.
set -u
imagegen=$1
work=$(mktemp -d /tmp/bravin-icons-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

"$imagegen" --icons "$work/a" test.icon && "$imagegen" --icons "$work/b" test.icon
check "two runs: status 0" [ $? = 0 ]
check "two runs: five sizes" [ "$(find "$work/a" -name test.icon.png | wc -l)" = 5 ]
check "two runs: the same bytes" diff -r "$work/a" "$work/b"

touch "$work/file"
"$imagegen" --icons "$work/file/icons" test.icon > "$work/out.txt" 2>&1
check "an unwritable folder: status 1" [ $? = 1 ]
check "an unwritable folder: named in the message" grep -qF "$work/file/icons" "$work/out.txt"
[ "$failures" -eq 0 ] && echo "all checks passed"
exit $((failures > 0))
