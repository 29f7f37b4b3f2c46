#!/usr/bin/env bash
# The launcher's demonstration: Setup.exe on an installation medium, run on an XP-class
# and then on a Vista-class Windows (each a Wine prefix of its own), with the virtual tuner
# plugged in. Told in plain words from what can be seen from outside the program.
#   tollgate-demo.sh BUILD_FOLDER
set -u
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tests/wine-env.sh"
bin=$build/x86_64/bin
wine=/usr/lib/wine/wine64

trap wine_env_down EXIT
trap 'exit 130' INT TERM

win() { "$wine" "$@" 2>/dev/null | tr -d '\r'; }
medium_win='C:\Tuner CD'
record_win='C:\stand-in-record.txt'

# The medium: Setup.exe, Setting.ini, a driver setup per Windows class, one more program.
lay_out_medium() {
  local medium=$WINEPREFIX/drive_c/Tuner\ CD
  mkdir -p "$medium/XP_x86" "$medium/Vista_x64" "$medium/Extras"
  cp "$bin/Setup.exe" "$medium/"
  cp "$bin/setupstub.exe" "$medium/XP_x86/SetupDrv.exe"
  cp "$bin/setupstub.exe" "$medium/Vista_x64/SetupDrv.exe"
  cp "$bin/setupstub.exe" "$medium/Extras/Player Setup.exe"
  # What each stand-in does: the driver setups take a moment and report success where a
  # 32-bit setup program writes it.
  printf '[stub]\r\nWaitMs=1500\r\nFinishInstall=dword:1\r\n' >"$medium/XP_x86/SetupDrv.exe.plan"
  printf '[stub]\r\nWaitMs=1500\r\nFinishInstall=dword:1\r\nFinishKey=SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\r\n' \
    >"$medium/Vista_x64/SetupDrv.exe.plan"
  printf '[stub]\r\nWaitMs=500\r\n' >"$medium/Extras/Player Setup.exe.plan"
  # The medium serves 32-bit XP and 64-bit Vista only; the other classes get the message.
  printf '%s\r\n' '[Const]' 'Setup=Tuner Driver Setup' 'EnableAudioClass=1' 'CheckFinishInstall=1' \
    'SetupXPx64Path=' 'SetupVistax86Path=' \
    'AnotherAPNum=1' 'AnotherAPXPx86Exe0=Extras\Player Setup.exe' \
    'AnotherAPVistax64Exe0=Extras\Player Setup.exe' 'LaunchAnotherAPParam=/silent' >"$medium/Setting.ini"
}

# The whole installation's medium: the one above with a hotfix package that the launcher
# watches through the installer.
lay_out_install_medium() {
  lay_out_medium
  local medium=$WINEPREFIX/drive_c/Tuner\ CD
  mkdir -p "$medium/Updates"
  # The package's text is the stand-in installer's script: a question, then two seconds of work.
  printf 'confirm\r\nprogress 2000\r\n' >"$medium/Updates/Windows6.0-KB000001-x64.msu"
  printf '%s\r\n' '[Const]' 'Setup=Tuner Driver Setup' 'CheckFinishInstall=1' 'EnableTimer=1' \
    'SetupXPx64Path=' 'SetupVistax86Path=' \
    'WaitTimer=250' 'AnotherAPNum=2' 'AnotherAPVistax64Exe0=Extras\Player Setup.exe' \
    'AnotherAPVistax64Exe1=Updates\Windows6.0-KB000001-x64.msu' 'LaunchAnotherAPParam=/quiet' \
    >"$medium/Setting.ini"
}

device_byte() { win "$bin/tuner.exe" device 1 | sed -n 's/^byte=\(0x[0-9A-F]*\).*/\1/p'; }

# Plain words from the stand-ins' record: who started, from where, with what command line.
tell_record() {
  local record=$WINEPREFIX/drive_c/stand-in-record.txt
  [ -f "$record" ] || { echo "   No program of the medium was started."; return; }
  tr -d '\r' <"$record" | awk -F'\t' '
    $1 == "start" { exe = ""; cmd = "";
      for (i = 2; i <= NF; i++) { split($i, kv, "="); k = kv[1]; v = substr($i, length(k) + 2);
        if (k == "exe") exe = v; if (k == "cmd") cmd = v; if (k == "pid") pid = v }
      name[pid] = exe; printf "   started: %s\n            command line: %s\n", exe, cmd }
    $1 == "end" { split($2, kv, "="); printf "   ended:   %s\n", name[kv[2]] }'
}

run_class() {  # run_class TITLE WINE_VERSION X64(yes|no) BYTE_BEFORE
  local title=$1 version=$2 x64=$3 before=$4
  wine_env_up "$build/wine/template64" || exit 2
  export SETUPSTUB_LOG=$record_win
  lay_out_medium
  win reg add 'HKCU\Software\Wine\AppDefaults\Setup.exe' /v Version /d "$version" /f >/dev/null
  if [ "$x64" = no ]; then
    # A 32-bit Windows has no separate folder for 32-bit programs.
    win reg delete 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion' /v 'ProgramFilesDir (x86)' /f >/dev/null
  fi
  win "$bin/tuner.exe" plug 1 video "USB Alder Device" --prop
  win "$bin/tuner.exe" device 1 byte "$before"
  echo "== $title =="
  echo "Wine reports Windows version '$version' to Setup.exe; 64-bit: $x64."
  echo "The medium is '$medium_win' (a folder with a blank in its name). Its Setting.ini:"
  tr -d '\r' <"$WINEPREFIX/drive_c/Tuner CD/Setting.ini" | sed 's/^/     /'
  echo "The virtual tuner \"USB Alder Device\" is plugged in; its configuration byte is $(device_byte)."
  echo "Starting '$medium_win\\Setup.exe' as the medium's autorun would..."
  win "$bin/launcherwatch.exe" "$medium_win\\Setup.exe" | sed 's/^/   /'
  echo "What the medium's programs recorded, in order:"
  tell_record
  echo "The configuration byte is now $(device_byte) (was $before)."
  wine_env_down
  echo
}

# The installer stand-in's record in plain words.
tell_installer() {
  local record=$1
  [ -f "$record" ] || { echo "   The installer was never started."; return; }
  tr -d '\r' <"$record" | awk -F'\t' '
    $1 == "start" { printf "   the shell started the installer: %s\n", $2 }
    $1 == "show" && $2 == "confirm" { print "   it asks \"Windows Update Standalone Installer\": install? (OK, Cancel)" }
    $1 == "show" && $2 == "progress" { print "   it shows \"Download and Install Updates\" while it works" }
    $1 == "ready" { print "   the work is done: a Close button appears inside the progress window" }
    $1 == "down" { printf "   %s got a button-down (wParam %s, lParam %s, %s)\n", $3, $4, $5, $6 }
    $1 == "click" { printf "   ... and clicked: %s\n", $3 }
    $1 == "end" { printf "   the installer ended (exit code %s)\n", $2 }'
}

# A whole installation with nobody at the keyboard: the driver setup, a further program and
# a hotfix package that the launcher clicks through the installer's windows.
run_install() {
  wine_env_up "$build/wine/template64" || exit 2
  export SETUPSTUB_LOG=$record_win
  lay_out_install_medium
  local medium=$WINEPREFIX/drive_c/Tuner\ CD
  mkdir -p "$WINEPREFIX/drive_c/Installer"
  cp "$bin/hotfixstub.exe" "$WINEPREFIX/drive_c/Installer/"
  win 'C:\Installer\hotfixstub.exe' --register
  win reg add 'HKCU\Software\Wine\AppDefaults\Setup.exe' /v Version /d vista /f >/dev/null
  echo "== 3. Unattended installation with a hotfix package (Vista class, 64-bit) =="
  echo "The stand-in installer opens *.msu files in this Windows. Setting.ini:"
  tr -d '\r' <"$medium/Setting.ini" | sed 's/^/     /'
  echo "Starting '$medium_win\\Setup.exe'; nobody will click anything..."
  local begun watched; begun=$(date +%s)
  watched=$(win "$bin/launcherwatch.exe" "$medium_win\\Setup.exe")
  printf '%s\n' "$watched" | sed 's/^/   /'
  echo "   (Setup.exe ran for $(( $(date +%s) - begun )) s)"
  echo "What the medium's programs recorded, in order:"
  tell_record
  echo "What the installer's windows received:"
  local record=$WINEPREFIX/drive_c/Tuner\ CD/Updates/Windows6.0-KB000001-x64.msu.record
  for _ in $(seq 1 50); do grep -q '^end' "$record" 2>/dev/null && break; sleep 0.1; done
  tell_installer "$record"
  local closed=no; grep -q "^click.progress.Close" "$record" 2>/dev/null && closed=yes
  wine_env_down
  echo
  if [ "$closed" = yes ] && printf '%s\n' "$watched" | grep -q 'ended with exit code 0'; then
    echo "The launcher confirmed the installation, waited hidden while it worked, closed the"
    echo "progress window when Close appeared, and ended by itself with exit code 0."
  else
    echo "The unattended installation did not go through: see above."
  fi
}

echo "== tollgate: the driver-setup launcher (Setup.exe) =="
echo "Setup.exe reads Setting.ini beside itself, sorts Windows into the XP or Vista class and"
echo "32 or 64 bits, runs that class's driver setup and waits for it, sets the tuner's"
echo "configuration byte for the class (0xD0 for XP, 0x50 for Vista) and asks for a re-plug"
echo "if it changed, then runs the further programs once the driver setup reported success."
echo "Stand-ins: every program on the medium is a recorder that notes how it was started."
echo
run_class "1. XP class, 32-bit" winxp no 0x50
run_class "2. Vista class, 64-bit" vista yes 0xD0
echo "In both runs the class's own driver setup ran from its folder on the medium, the"
echo "further program ran only after it had ended, and the re-plug message came because"
echo "the byte had the other class's value."
echo
run_install

# The medium checker on the installation's medium, then on a copy with the mistakes people
# make: a misspelt key, a package's extension in capitals, a driver setup left out.
run_check() {
  wine_env_up "$build/wine/template64" || exit 2
  lay_out_install_medium
  local medium=$WINEPREFIX/drive_c/Tuner\ CD broken=$WINEPREFIX/drive_c/Tuner\ CD\ copy
  # The checker reads each program's header: a disc carries the 32-bit driver setups that
  # start on every class, so the medium gets them where this machine has that build.
  local stub32=$build/i686/bin/setupstub.exe
  if [ -f "$stub32" ]; then
    for program in "XP_x86/SetupDrv.exe" "Vista_x64/SetupDrv.exe" "Extras/Player Setup.exe"; do
      cp "$stub32" "$medium/$program"
    done
  fi
  cp -r "$medium" "$broken"
  rm "$broken/Vista_x64/SetupDrv.exe"
  mv "$broken/Updates/Windows6.0-KB000001-x64.msu" "$broken/Updates/Windows6.0-KB000001-x64.MSU"
  sed -i 's/^WaitTimer=/WaitTimmer=/; s/KB000001-x64\.msu/KB000001-x64.MSU/' "$broken/Setting.ini"
  printf '%s\r\n' 'AnotherAPXPx86Exe0=Updates\Windows6.0-KB000001-x64.msu' >>"$broken/Setting.ini"
  echo "== 4. Checking a medium before a disc is made =="
  echo "mediacheck reads a medium with Setup.exe's own code and tells what Setup.exe will do on"
  echo "each class of Windows. The installation's medium from above:"
  echo "$ mediacheck \"$medium_win\""
  local report rc
  report=$("$wine" "$bin/mediacheck.exe" "$medium_win" 2>&1); rc=$?
  printf '%s\n' "$report" | tr -d '\r' | sed 's/^/   /'
  echo "   (exit code $rc)"
  echo
  echo "A copy with four mistakes: WaitTimer misspelt, the package's extension in capitals (it"
  echo "is then no package but a document, which CreateProcess does not start), Vista_x64\\SetupDrv.exe"
  echo "left out, and the package named for 32-bit XP too, which has no update installer. Its"
  echo "problems, and how a script sees them:"
  echo "$ mediacheck --json \"$medium_win copy\""
  report=$("$wine" "$bin/mediacheck.exe" --json "$medium_win copy" 2>&1); rc=$?
  printf '%s\n' "$report" | tr -d '\r' | sed -n '/"problems"/,$p' | sed 's/^/   /'
  echo "   (exit code $rc: 0 clean, 1 warnings only, 2 errors)"
  wine_env_down
}
echo
run_check
