#!/usr/bin/env bash
# Checks an installed data file with its format's own validator, warnings included:
#   check_files.sh desktop FILE | metainfo FILE | man PAGE...
set -u
kind=$1
shift
status=0
case $kind in
  desktop)
    # Errors fail the validator; its warnings and hints are printed, and count too.
    out=$(desktop-file-validate "$@" 2>&1) || status=1
    [ -z "$out" ] || status=1
    ;;
  metainfo)
    # Warnings and errors fail the validator; infos and pedantic notes are shown only.
    out=$(appstreamcli validate --no-net --pedantic "$@" 2>&1) || status=1
    ;;
  man)
    out=
    for page in "$@"; do
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
      warnings+=$(groff -ww -z -t -man "$page" 2>&1)
      [ -z "$warnings" ] || { status=1; out+="$page: $warnings"$'\n'; }
    done
    ;;
  *)
    echo "usage: check_files.sh desktop FILE | metainfo FILE | man PAGE..." >&2
    exit 2
    ;;
esac
[ -z "$out" ] || echo "$out"
[ "$status" -eq 0 ] && echo "$kind: $* valid, no warnings"
exit "$status"
