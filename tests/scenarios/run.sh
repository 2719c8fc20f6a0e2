#!/usr/bin/env bash
# Runs one kept scenario with the headless runner and compares the printed digest with the
# expected one. NAME.script is the input; NAME.digest holds the runner's options and the
# digest. Usage: run.sh RUNNER RESOURCES NAME
set -uo pipefail
runner=$1 resources=$2 name=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
options=$(sed -n 's/^options //p' "$here/$name.digest")
expected=$(sed -n 's/^digest //p' "$here/$name.digest")
# shellcheck disable=SC2086  # the options are words
output=$("$runner" --resources "$resources" --script "$here/$name.script" $options 2>&1)
status=$?
actual=$(sed -n 's/^digest //p' <<< "$output")
if [ $status -ne 0 ] || [ "$actual" != "$expected" ]; then
  echo "$output"
  echo "scenario $name: expected digest $expected, got ${actual:-none} (status $status)"
  echo "If the change of behaviour is meant, re-record with tests/scenarios/record.sh $name"
  exit 1
fi
echo "scenario $name: digest $actual"
