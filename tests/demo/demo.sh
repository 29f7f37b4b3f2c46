#!/usr/bin/env bash
# The demonstration: kestrel.exe under Wine with the virtual stick unplugged and plugged
# back, told in plain words from what can be seen from outside the program.
#   demo.sh BUILD_FOLDER
set -u -o pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tests/wine-env.sh"
wine_pick_build "$build"
bin=$WINE_BUILD_BIN wine=$WINE_BUILD_LOADER

trap wine_env_down EXIT
trap 'exit 130' INT TERM
wine_env_up "$WINE_BUILD_TEMPLATE" || exit 2

remote() { "$wine" "$bin/remote.exe" "$@"; }
# One field of the virtual receiver's counters (remote status).
field() { remote status | tr ' ' '\n' | awk -F= -v k="$1" '$1 == k {print $2}' | tr -d '\r'; }
ms() { date +%s%3N; }
wait_until() {  # wait_until TIMEOUT_MS FIELD OP VALUE
  local deadline=$(( $(ms) + $1 )) value
  while :; do
    value=$(field "$2")
    [ -n "$value" ] && [ "$value" "$3" "$4" ] && return 0
    [ "$(ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}
reads_per_second() {
  local a b; a=$(field getIrCalls); sleep 1; b=$(field getIrCalls); echo $((b - a))
}

echo "== kestrel and the virtual tuner stick =="
echo "kestrel polls the stick's infrared receiver every 100 ms while the stick is there,"
echo "and tries to open it again every 3 seconds while it is not."
echo
# ZoruvUviro Zuvava, the default TV application, is "installed": the stand-in under the
# application's own program name, in the folder its registry value names.
zoruv_dir='C:\TV Center'
zoruv_unix="$WINEPREFIX/drive_c/TV Center"
mkdir -p "$zoruv_unix" && cp "$bin/tvapp.exe" "$zoruv_unix/MainCenter.exe"
"$wine" reg add 'HKLM\Software\VUzeva Multimedia\TV Center\DTVR' /v AppPath /d "$zoruv_dir" /f >/dev/null 2>&1
# XpertTVR is installed too, for the Setting dialog to offer it.
xpert_dir='C:\XpertTVR'
xpert_unix="$WINEPREFIX/drive_c/XpertTVR"
mkdir -p "$xpert_unix" && cp "$bin/tvapp.exe" "$xpert_unix/honestechTV.EXE"
"$wine" reg add 'HKLM\Software\Honestech\TV Plus\TVR' /v AppPath /d "$xpert_dir" /f >/dev/null 2>&1
# kestrel runs from a folder of its own, where step 6b writes its keymaps.ini.
kestrel_dir='C:\Remote Control'
kestrel_unix="$WINEPREFIX/drive_c/Remote Control"
mkdir -p "$kestrel_unix" && cp "$bin/kestrel.exe" "$bin/af15bdaex.dll" "$kestrel_unix/"
remote unplug
echo "1. The stick is unplugged. Starting kestrel.exe..."
"$wine" "$kestrel_unix/kestrel.exe" &
kestrel_pid=$!
wait_until 10000 initCalls -ge 1 || { echo "   kestrel did not start"; exit 1; }
echo "   kestrel runs with no visible window. It tried to open the receiver once and was refused,"
echo "   so it is Waiting: the receiver-retry timer runs, nothing reads keys."
t0=$(ms); closes=$(field exitCalls)
wait_until 4000 exitCalls -gt "$closes" && echo "   $(( $(ms) - t0 )) ms later the retry timer looked again: no stick, so it closed the receiver and waits on."
echo
echo "2. Plugging the stick in..."
t0=$(ms); remote plug
if wait_until 4000 getIrCalls -ge 1; then
  echo "   After $(( $(ms) - t0 )) ms the retry timer found the stick, opened the receiver and switched to Polling."
  echo "   The key-polling timer now reads the receiver $(reads_per_second) times a second."
else
  echo "   kestrel did not notice the stick within 4 seconds."; exit 1
fi
echo
echo "3. Unplugging the stick..."
before=$(field getIrCalls); t0=$(ms); remote unplug
sleep 0.5
after=$(field getIrCalls); closes=$(field exitCalls)
echo "   The next polling tick saw the filter gone: $((after - before)) more read(s), then polling stopped."
wait_until 4000 exitCalls -gt "$closes" && echo "   $(( $(ms) - t0 )) ms after the unplug the retry timer looked for the stick: Waiting again."
sleep 1
echo "   Reads in the last second: $(reads_per_second)."
echo
echo "4. Plugging it back in..."
t0=$(ms); base=$(field getIrCalls); remote plug
if wait_until 4000 getIrCalls -gt "$base"; then
  echo "   Back to Polling after $(( $(ms) - t0 )) ms: $(reads_per_second) reads a second."
fi
echo
probe() { "$wine" "$bin/winprobe.exe" "$@" | tr -d "\r"; }
drain() { remote "$@" drain 10000 >/dev/null; sleep 0.2; }
echo "5. No TV application runs, so the remote drives the mouse pointer."
"$wine" "$bin/winprobe.exe" cursor >/dev/null
xdotool mousemove 400 300
echo "   Pointer at $(probe cursor)."
drain hold 6 4
echo "   Key 6 (right) held for 4 events: pointer at $(probe cursor) (1 pixel a step)."
drain pause 400 hold 6 12
echo "   Held for 12 events more: pointer at $(probe cursor) (1, then 6, then 12 pixels a step on a 1024-wide screen)."
drain pause 400 hold 8 10
echo "   Key 8 (down) held for 10 events: pointer at $(probe cursor)."
drain pause 400 press 0
echo "   Key 0 clicked the left button there, key 10 clicks the right one, key 5 holds a button for dragging."
echo
# A TV application stand-in posing as application N, recording into a file of the prefix.
record_dir=$WINEPREFIX/drive_c
start_app() {  # start_app N NAME
  rm -f "$record_dir/$2.txt"
  "$wine" "$bin/tvapp.exe" --as "$1" --record "C:\\$2.txt" >/dev/null 2>&1 &
  # Its window is up once it was first brought to the front.
  for _ in $(seq 1 100); do grep -q '^activate' "$record_dir/$2.txt" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
# What a stand-in received, in words.
received() {  # received FILE
  sed -e 's/\r$//' "$1" | awk '
    $1 == "key" { printf "     keystroke  key %s %s%s\n", $2, $3, ($4 == "ext=1" ? " (extended flag)" : "") }
    $1 == "post" { m = $3; name = (m == 256 ? "WM_KEYDOWN" : "message " m);
                   printf "     posted     %s wParam %s lParam %s to %s\n", name, $4, $5, $2 }
    $1 == "activate" { printf "     brought to the front\n" }
    $1 == "close" { printf "     closed (%s)\n", $2 }
    $1 == "start" { $1 = ""; printf "     started as:%s\n", $0 }'
}
echo "6. A TV application runs: the remote now drives it instead of the pointer."
if start_app 5 totalmedia; then
  echo "   The stand-in poses as TotalMedia (\"Arcsoft TotalMedia\"), which takes keystrokes."
  drain press 24 press 42
  echo "   Key 24 (Up) and key 42 (Ctrl+P) reached it as:"
  received "$record_dir/totalmedia.txt" | grep -v started
  drain press 19
  sleep 0.5
  echo "   The Power key closed it (the application it drives is closed with Alt+F4):"
  received "$record_dir/totalmedia.txt" | grep -E 'closed'
fi
if start_app 7 xperttvr; then
  echo "   Now as XpertTVR (class \"XPERT_TVR\"), which takes private messages (3024)."
  drain press 7 press 8 press 33
  echo "   Keys 7 (Down), 8 (OK) and 33 (digit 4) reached it as:"
  received "$record_dir/xperttvr.txt" | grep -v started
  drain press 19
  sleep 0.5
  echo "   Power closed it with its exit command:"
  received "$record_dir/xperttvr.txt" | tail -n 2
fi
echo "   With nothing running, Power starts the default application (ZoruvUviro Zuvava) through"
echo "   the shell, from the folder its registry value names:"
rm -f "$zoruv_unix/MainCenter.record.txt"
drain press 19
for _ in $(seq 1 100); do grep -q '^start' "$zoruv_unix/MainCenter.record.txt" 2>/dev/null && break; sleep 0.05; done
received "$zoruv_unix/MainCenter.record.txt" | grep started
drain pause 500 press 19
sleep 0.5
echo "   and the next Power press closes it again:"
received "$zoruv_unix/MainCenter.record.txt" | grep -E 'posted|closed'
echo
open_menu() {  # right-click the tray icon with the real mouse until the menu is up
  local icon _ try
  icon=$(probe tray) || return 1
  for try in 1 2 3; do
    xdotool mousemove $icon click 3
    for _ in $(seq 1 20); do probe menu-open && return 0; sleep 0.1; done
  done
  return 1
}
wait_window() {  # wait_window TITLE: until a top-level window titled TITLE is there
  local _; for _ in $(seq 1 50); do probe window "$1" && return 0; sleep 0.1; done; return 1
}
wait_gone() {
  local _; for _ in $(seq 1 50); do probe window "$1" || return 0; sleep 0.1; done; return 1
}
# Pictures land in build/ as demo-NAME.png, or as NAME.png where DEMO_SHOTS names a folder.
shot_file() { if [ -n "${DEMO_SHOTS:-}" ]; then echo "$DEMO_SHOTS/$1.png"; else echo "$build/demo-$1.png"; fi; }
shot() {  # shot NAME TITLE: a screenshot of the window titled TITLE
  local file crop
  file=$(shot_file "$1")
  if [ "$2" = menu ]; then
    crop=$(probe menu-rect) || { echo "   (no screenshot: no menu)"; return 1; }
  else
    crop=$(probe rect "$2") || { echo "   (no screenshot: no window \"$2\")"; return 1; }
  fi
  if xwd -root -silent | /usr/bin/convert xwd:- -crop "$crop" +repage "$file" 2>/dev/null; then
    echo "   Screenshot: $file"
  else
    echo "   (no screenshot: xwd or ImageMagick's convert failed)"
  fi
}
default_in_registry() {
  local value
  value=$("$wine" reg query 'HKLM\SOFTWARE\Corvel\Lintel Twin Utilities' /v DefaultTVAPP 2>/dev/null | tr -d '\r' | awk '$1 == "DefaultTVAPP" {print $3}')
  printf '%d\n' "${value:-0}"
}
echo "6b. A program that is none of the nine gets its keys from keymaps.ini beside kestrel.exe."
rm -f "$record_dir/player.txt"
"$wine" "$bin/tvapp.exe" --as 5 --class DemoPlayerWindow --title "Holiday - Media Player" --all-keys \
  --record 'C:\player.txt' >/dev/null 2>&1 &
for _ in $(seq 1 100); do grep -q '^activate' "$record_dir/player.txt" 2>/dev/null && break; sleep 0.05; done
cat >"$kestrel_unix/keymaps.ini" <<'MAP'
; keys for a media player that kestrel does not know by itself
[Media player]
class=DemoPlayer*
title=*- Media Player
repeat=3
24=key Up
42=key Ctrl+P
60=post F8
62=message 4024 1001 0
MAP
sed 's/^/     /' "$kestrel_unix/keymaps.ini"
echo "   The stand-in poses as that player (class \"DemoPlayerWindow\", title \"Holiday - Media Player\")."
echo "   kestrel runs already and reads the file again within a second or two of its saving."
sleep 2.5
echo "   \"kestrel.exe /codes\" asks the running kestrel to open its code viewer."
"$wine" "$kestrel_unix/kestrel.exe" /codes
wait_window "Remote Control - Codes" || echo "   (the code viewer did not open)"
drain press 24 press 42 press 60 press 62
drain pause 400 hold 24 4
pointer_before=$(probe cursor)
drain pause 400 press 6
echo "   Keys 24, 42, 60, 62, then 24 held for four events (repeat=3 passes the press and the"
echo "   third repeat), reached it as:"
received "$record_dir/player.txt" | grep -v -e started -e 'brought to the front'
echo "   Key 6 has no line in the map, so it went to the pointer as with no program running:"
echo "   from $pointer_before to $(probe cursor)."
probe wm-close "Holiday - Media Player"
wait_gone "Holiday - Media Player"
echo "   The code viewer lists every event, its kind and where it went:"
shot codes "Remote Control - Codes"
probe wm-close "Remote Control - Codes"
wait_gone "Remote Control - Codes"
echo
echo "7. The Setting dialog chooses the default application (stored in the registry, now $(default_in_registry))."
if open_menu; then
  probe keys up up up return
  if wait_window "Remote Control - Setting"; then
    echo "   The tray menu's Setting item opened \"Remote Control - Setting\". It lists the installed"
    echo "   applications in detection order, the default selected (*):"
    probe texts "Remote Control - Setting" | sed -n 's/^\([*-]\) /     \1 /p'
    shot setting "Remote Control - Setting"
    probe keys tab up return
    wait_gone "Remote Control - Setting"
    echo "   Tab to the list, Up, Enter: XpertTVR is the default now; the registry holds $(default_in_registry)."
  fi
fi
echo
echo "8. Power with nothing running starts the new default, closing the other applications first."
rm -f "$xpert_unix/honestechTV.record.txt"
if start_app 5 totalmedia2; then
  echo "   A TotalMedia stand-in runs (not driven yet). Power:"
  drain press 19
  for _ in $(seq 1 100); do grep -q '^start' "$xpert_unix/honestechTV.record.txt" 2>/dev/null && break; sleep 0.05; done
  echo "   TotalMedia received:"
  received "$record_dir/totalmedia2.txt" | grep -E 'keystroke|closed'
  echo "   and then XpertTVR was started from its folder:"
  received "$xpert_unix/honestechTV.record.txt" | grep started
  drain pause 500 press 19
  sleep 0.5
  echo "   The next Power press closes XpertTVR with its exit command:"
  received "$xpert_unix/honestechTV.record.txt" | grep -E 'closed'
fi
echo
echo "9. With no TV application running, key 11 asks whether to switch the computer off."
drain pause 400 press 11
if wait_window "Remote Control - Shut Down"; then
  echo "   \"Remote Control - Shut Down\" is open:"
  probe texts "Remote Control - Shut Down" | sed 's/^/     /'
  shot shutdown "Remote Control - Shut Down"
  drain pause 300 press 0
  wait_gone "Remote Control - Shut Down" && echo "   Key 0 (any key but Power) cancelled it; the computer stays on."
fi
echo
echo "10. Alt+/ opens About (Alt+? would open Setting)."
probe keys alt+/
if wait_window "Remote Control - About"; then
  probe texts "Remote Control - About" | sed 's/^/     /'
  shot about "Remote Control - About"
  probe close "Remote Control - About"
  wait_gone "Remote Control - About"
else
  echo "   (About did not open: kestrel was not in front)"
fi
echo
echo "11. A right click with the real mouse on the tray icon opens kestrel's menu."
if open_menu; then
  # The menu opens at the icon, partly under Wine's tray window: that goes aside first, and
  # the picture waits until the uncovered items are drawn again.
  probe tray-aside && sleep 0.5
  shot tray-menu menu
  echo "   The menu belongs to kestrel, so the demo tells its items apart by what they do:"
  probe keys up up return
  for _ in $(seq 1 30); do probe window "Remote Control - About" && break; sleep 0.1; done
  if probe window "Remote Control - About"; then
    echo "   - going up two items from the bottom (past a separator) and pressing Enter opens \"Remote Control - About\";"
    probe close "Remote Control - About"
    sleep 0.5
  fi
  echo
  echo "12. The last item is Exit: choosing it ends kestrel and takes its icon away."
  if open_menu; then
    probe keys up return
    for _ in $(seq 1 50); do kill -0 "$kestrel_pid" 2>/dev/null || break; sleep 0.1; done
  fi
else
  echo "   (the menu did not open)"
fi
if kill -0 "$kestrel_pid" 2>/dev/null; then
  echo "   kestrel is still running; ending it."
  WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1
else
  probe tray >/dev/null 2>&1 && echo "   kestrel ended but its icon is still there!" || echo "   kestrel ended by itself; no tray icon is left."
fi
wait "$kestrel_pid" 2>/dev/null
echo "Done."
if [ -x "$here/tests/demo/tollgate-demo.sh" ]; then
  wine_env_down
  echo
  "$here/tests/demo/tollgate-demo.sh" "$build"
fi
