#!/usr/bin/env bash
# The demonstration: kestrel.exe under Wine with the virtual stick unplugged and plugged
# back, told in plain words from what can be seen from outside the program.
#   demo.sh BUILD_FOLDER
set -u
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tests/wine-env.sh"
bin=$build/x86_64/bin
wine=/usr/lib/wine/wine64

trap wine_env_down EXIT
trap 'exit 130' INT TERM
wine_env_up "$build/wine/template64" || exit 2

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
remote unplug
echo "1. The stick is unplugged. Starting kestrel.exe..."
"$wine" "$bin/kestrel.exe" &
kestrel_pid=$!
wait_until 10000 initCalls -ge 1 || { echo "   kestrel did not start"; exit 1; }
echo "   kestrel runs with no visible window. It tried to open the receiver once and was refused,"
echo "   so it is Waiting: the receiver-retry timer runs, nothing reads keys."
t0=$(ms)
wait_until 4000 initCalls -ge 2 && echo "   $(( $(ms) - t0 )) ms later: another open attempt by the retry timer; still unplugged."
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
after=$(field getIrCalls); opens=$(field initCalls)
echo "   The next polling tick saw the filter gone: $((after - before)) more read(s), then polling stopped."
wait_until 4000 initCalls -gt "$opens" && echo "   $(( $(ms) - t0 )) ms after the unplug the retry timer tried to open the receiver again: Waiting."
sleep 1
echo "   Reads in the last second: $(reads_per_second)."
echo
echo "4. Plugging it back in..."
t0=$(ms); base=$(field getIrCalls); remote plug
if wait_until 4000 getIrCalls -gt "$base"; then
  echo "   Back to Polling after $(( $(ms) - t0 )) ms: $(reads_per_second) reads a second."
fi
echo
echo "5. Closing kestrel."
"$wine" "$bin/remote.exe" status >/dev/null
WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1
wait "$kestrel_pid" 2>/dev/null
echo "Done."
if [ -x "$here/tests/demo/tollgate-demo.sh" ]; then
  wine_env_down
  echo
  "$here/tests/demo/tollgate-demo.sh" "$build"
fi
