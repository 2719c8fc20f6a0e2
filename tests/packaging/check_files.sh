#!/usr/bin/env bash
# Checks an installed data file with its format's own validator, warnings included, or
# that the release lists name the version being built:
#   check_files.sh desktop FILE | metainfo FILE | man PAGE... |
#                  versions VERSION METAINFO CHANGELOG
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
  versions)
    # The newest release of the metainfo and of the package's changelog is the version
    # being built.
    version=$1 metainfo=$2 changelog=$3
    listed=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
    logged=$(sed -n '1s/^bravin (\([^-)]*\).*/\1/p' "$changelog")
    out=
    [ "$listed" = "$version" ] || out+="$metainfo: newest release $listed, not $version"$'\n'
    [ "$logged" = "$version" ] || out+="$changelog: newest entry $logged, not $version"$'\n'
    [ -z "$out" ] || status=1
    ;;
  *)
    echo "usage: check_files.sh desktop FILE | metainfo FILE | man PAGE... |" \
      "versions VERSION METAINFO CHANGELOG" >&2
    exit 2
    ;;
esac
[ -z "$out" ] || echo "$out"
[ "$status" -eq 0 ] && echo "$kind: $* valid, no warnings"
exit "$status"
