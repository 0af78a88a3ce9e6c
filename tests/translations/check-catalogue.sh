#!/usr/bin/env bash
# Fails while the English catalogue lacks a translation of a text of the
# sources, or keeps one the sources no longer have.
#   check-catalogue.sh LUPDATE CATALOGUE SOURCES [LUPDATE_OPTION...]
set -euo pipefail
lupdate=$1 catalogue=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/catalogue.ts"
"$lupdate" "$@" "$sources" -ts "$work/catalogue.ts" >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log"
  exit 1
}
# lupdate marks a new text unfinished and a text no longer found vanished.
if grep -q -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' "$work/catalogue.ts"; then
  echo "The English catalogue is not complete; bring it up to date with the target"
  echo "morovan_update_catalogue and translate these:"
  grep -B2 -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' "$work/catalogue.ts"
  exit 1
fi
if grep -q -i 'warning' "$work/lupdate.log"; then
  cat "$work/lupdate.log"
  exit 1
fi
echo "The English catalogue translates every text."
