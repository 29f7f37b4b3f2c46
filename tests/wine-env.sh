# Sourced: a throwaway Wine prefix copied from a prepared template, and an X display of
# its own. wine_env_up TEMPLATE exports WINEPREFIX and DISPLAY; wine_env_down ends every process of the prefix and the display, and deletes the prefix.

wine_env_up() {
  [ -d "$1" ] || { echo "no Wine prefix template at $1" >&2; return 2; }
  local template; template=$(cd "$1" && pwd)
  WINE_ENV_PREFIX=$(mktemp -d "$(dirname "$template")/run.XXXXXX")
  WINE_ENV_XPID=
  # Hard links cost nothing; the registry files are rewritten in place, so they get real copies.
  cp -al "$template/." "$WINE_ENV_PREFIX/"
  local reg
  for reg in "$template"/*.reg; do cp --remove-destination "$reg" "$WINE_ENV_PREFIX/"; done

  local displayfile=$WINE_ENV_PREFIX/.display
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  WINE_ENV_XPID=$!
  local _
  for _ in $(seq 1 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
  [ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; return 2; }
  export DISPLAY=:$(head -n1 "$displayfile")
  export WINEPREFIX=$WINE_ENV_PREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_env_down() {
  [ -n "${WINE_ENV_PREFIX:-}" ] || return 0
  WINEPREFIX=$WINE_ENV_PREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1
  WINEPREFIX=$WINE_ENV_PREFIX /usr/lib/wine/wineserver -w >/dev/null 2>&1
  if [ -n "${WINE_ENV_XPID:-}" ]; then kill "$WINE_ENV_XPID" 2>/dev/null; wait "$WINE_ENV_XPID" 2>/dev/null; fi
  rm -rf "$WINE_ENV_PREFIX"
  WINE_ENV_PREFIX=
}

# The loader for a Windows program: the 32-bit one for i386 programs (it serves 64-bit
# prefixes too, through WoW64), the 64-bit one for everything else.
wine_loader_for() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] && machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  if [ "${machine:-}" = 014c ]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi
}

# The build a demonstration runs: the shipped i686 one where this kernel runs 32-bit code
# and its prefix template is ready, else x86_64. Sets WINE_BUILD_ARCH, WINE_BUILD_BIN,
# WINE_BUILD_TEMPLATE and WINE_BUILD_LOADER.   wine_pick_build BUILD_FOLDER
wine_pick_build() {
  WINE_BUILD_ARCH=x86_64 WINE_BUILD_TEMPLATE=$1/wine/template64
  if /usr/lib/wine/wine --version >/dev/null 2>&1 && [ -f "$1/wine/template32/.ready" ]; then
    WINE_BUILD_ARCH=i686 WINE_BUILD_TEMPLATE=$1/wine/template32
  fi
  WINE_BUILD_BIN=$1/$WINE_BUILD_ARCH/bin
  WINE_BUILD_LOADER=$(wine_loader_for "$WINE_BUILD_BIN/kestrel.exe")
}
