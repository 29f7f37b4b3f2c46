#!/usr/bin/env bash
# Regenerates docs/: the key reference from kestrel's key maps, and the user guide's pictures
# from a run of the demonstration.   docs.sh BUILD_FOLDER
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tests/wine-env.sh"
wine_pick_build "$build"
"$here/tests/wine-test.sh" "$WINE_BUILD_TEMPLATE" "$WINE_BUILD_BIN/keyref.exe" >"$here/docs/keys.md.new"
mv "$here/docs/keys.md.new" "$here/docs/keys.md"
echo "Wrote docs/keys.md."
mkdir -p "$here/docs/images"
DEMO_SHOTS=$here/docs/images "$here/tests/demo/demo.sh" "$build" >/dev/null
echo "Wrote the pictures in docs/images:"
ls "$here/docs/images"


# Setup.exe's message on a medium that has no driver setup for this Windows.
trap wine_env_down EXIT
wine_env_up "$WINE_BUILD_TEMPLATE"
medium=$WINEPREFIX/drive_c/Medium
mkdir -p "$medium" && cp "$WINE_BUILD_BIN/Setup.exe" "$medium/"
printf '[Const]\r\nSetupXPx86Path=\r\nSetupXPx64Path=\r\nSetupVistax86Path=\r\nSetupVistax64Path=\r\n' >"$medium/Setting.ini"
probe() { "$WINE_BUILD_LOADER" "$WINE_BUILD_BIN/winprobe.exe" "$@" | tr -d '\r'; }
"$(wine_loader_for "$medium/Setup.exe")" 'C:\Medium\Setup.exe' >/dev/null 2>&1 &
setup_pid=$!
for _ in $(seq 1 100); do probe window SetupDrv && break; sleep 0.1; done
if crop=$(probe rect SetupDrv); then
  sleep 0.3   # the box is drawn just after it appears
  xwd -root -silent | /usr/bin/convert xwd:- -crop "$crop" +repage "$here/docs/images/setup-nosetup.png"
  echo "setup-nosetup.png"
  probe close SetupDrv
else
  echo "(Setup.exe showed no message)"
fi
wait "$setup_pid" 2>/dev/null || true
