#!/usr/bin/env bash
# Fails when the checked-in key reference differs from what the key-map tables generate, or
# when the reference misstates a row written down here by hand from the applications' maps.
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
# application::the row as a user must read it
expected='PowerCinema::| 36 | digit 7 | brought to the front, then a posted key-down numpad 7 (lParam 0x01500001) |
PowerCinema::| 54 | Back | brought to the front, then a posted key-down Esc (lParam 0x01500001) |
WinDVR::| 30 | digit 1 | a posted key-down 1 (lParam 0x00020001) |
WinDVR::| 39 | digit 0 | a posted key-down 0 (lParam 0x000B0001) |
WinDVR::| 80 | F10 | a posted key-down Shift (lParam 0x002A0001), then a posted key-down Up (lParam 0x01480001) |
My_ICTV::| 62 | Alt+Enter | message 5401, wParam 5400, lParam 0 |
My_ICTV::| 54 | Back | a posted key-down Esc (lParam 0x00000000) |
Media Center Edition::| 5 | key 5 | keystroke Backspace |
TotalMedia::| 42 | Ctrl+P | keystrokes Ctrl+Shift+P |
TotalMedia::| 81 | minus / Page Down | keystroke numpad minus |
DeverOroru::| 54 | Back | message 4024, wParam 2000; kestrel then waits 3000 ms |
DeverOroru::| 55 | key 55 | brought to the front and raised, then message 4024, wParam 20 |
XpertTVR::| 33 | digit 4 | message 3024, wParam 10004 |
RAR-A RURI::| 63 | Ctrl+R | message 3024, wParam 1001; kestrel then waits 2000 ms |
ZoruvUviro Zuvava::| 11 | shut-down request | message 4024, wParam 26 to the main window while no pop-up window shows |
ZoruvUviro Zuvava::| 7 | Down | message 4024, wParam 35004 to the pop-up window in front (brought to the front), else to the main window |'
# The rows of one application's section.   section APPLICATION
section() { awk -v app="## $1" '$0 == app {on=1; next} /^## / {on=0} on' "$generated"; }
status=0
while IFS= read -r line; do
  app=${line%%::*} row=${line#*::}
  if ! section "$app" | grep -qxF -- "$row"; then echo "$app: no row \"$row\""; status=1; fi
done <<<"$expected"
# Codes that the application's map does not handle have no row.
for absent in WinDVR::45 My_ICTV::59 PowerCinema::19; do
  app=${absent%%::*} code=${absent#*::}
  if section "$app" | grep -q -- "^| $code |"; then echo "$app: a row for code $code, which it does not map"; status=1; fi
done
[ $status -eq 0 ] && echo "$(grep -c '^| [0-9]' "$generated") key rows agree with the key maps."
exit $status
