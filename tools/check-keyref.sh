#!/usr/bin/env bash
# Fails when the checked-in key reference differs from what the key-map tables generate.
#   check-keyref.sh TEMPLATE KEYREF_EXE REFERENCE
set -u
here=$(dirname "$0")
generated=$(mktemp)
trap 'rm -f "$generated"' EXIT
"$here/../tests/wine-test.sh" "$1" "$2" >"$generated" || { echo "keyref failed"; exit 1; }
if ! diff -u "$3" "$generated"; then
  echo "$3 is not what the key maps generate: run ./run docs and commit the result."
  exit 1
fi
echo "$(grep -c '^| [0-9]' "$generated") key rows agree with the key maps."
