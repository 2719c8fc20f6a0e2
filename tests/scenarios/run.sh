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
# Lines the run must print as they stand, beside the digest ("expect stage 1 clock 199").
missing=""
while IFS= read -r line; do
  grep -qxF "$line" <<< "$output" || missing="$missing [$line]"
done < <(sed -n 's/^expect //p' "$here/$name.digest")
if [ -n "$missing" ]; then
  echo "$output"
  echo "scenario $name: the run did not print$missing"
  exit 1
fi
if [ $status -ne 0 ] || [ "$actual" != "$expected" ]; then
  echo "$output"
  echo "scenario $name: expected digest $expected, got ${actual:-none} (status $status)"
  echo "If the change of behaviour is meant, re-record with tests/scenarios/record.sh $name"
  exit 1
fi
echo "scenario $name: digest $actual"
