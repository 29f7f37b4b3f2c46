#!/usr/bin/env bash
# The benchmark: figures of kestrel under Wine against their targets.   bench.sh BUILD_FOLDER
set -u
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tests/wine-env.sh"
# The shipped build is the i686 one; it needs a kernel that runs 32-bit code.
wine_pick_build "$build"
arch=$WINE_BUILD_ARCH loader=$WINE_BUILD_LOADER template=$WINE_BUILD_TEMPLATE
trap wine_env_down EXIT
trap 'exit 130' INT TERM
wine_env_up "$template" || exit 2
echo "kestrel benchmark: $arch build under $("$loader" --version), $(nproc) cores"
[ "$arch" = x86_64 ] && echo "(this kernel runs no 32-bit code, so the i686 build cannot run under Wine here; the x86_64 build stands in)"
echo
idle=30
# This prefix's Unix processes whose command line matches a pattern.
prefix_pids() {
  local p
  for p in $(pgrep -f "$1"); do
    tr '\0' '\n' </proc/$p/environ 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
}
# CPU time (clock ticks) of the given processes.
cpu_ticks() { local t=0 p; for p in "$@"; do t=$((t + $(awk '{print $14 + $15}' /proc/$p/stat 2>/dev/null || echo 0))); done; echo $t; }
hz=$(getconf CLK_TCK)
"$loader" "$build/$arch/bin/bench_kestrel.exe" idle $idle "$@" | while IFS= read -r line; do
  line=${line%$'\r'}
  case $line in
    IDLE-START)
      kpids=$(prefix_pids '(^|[/\\])kestrel[.]exe( |$)'); spids=$(prefix_pids '^[^ ]*wineserver')
      k0=$(cpu_ticks $kpids); s0=$(cpu_ticks $spids); t0=$(date +%s%N) ;;
    IDLE-END)
      k1=$(cpu_ticks $kpids); s1=$(cpu_ticks $spids); t1=$(date +%s%N)
      wall_ms=$(( (t1 - t0) / 1000000 ))
      awk -v k=$((k1 - k0)) -v s=$((s1 - s0)) -v hz=$hz -v ms=$wall_ms 'BEGIN {
        pk = 100 * (k * 1000 / hz) / ms; ps = 100 * (s * 1000 / hz) / ms;
        printf "  %-50s %10.3f %-4s %-16s %s\n", "CPU use over " int(ms/1000) " idle seconds (of one core)", pk, "%", "< 1 %", (pk < 1 ? "met" : "MISSED");
        printf "  %-50s %10.3f %-4s %s\n", "  and wineserver working for it meanwhile", ps, "%", "(Wine'"'"'s own cost)" }' ;;
    *) printf '%s\n' "$line" ;;
  esac
done
echo
echo "Where the time goes: every tick asks DirectShow's device enumerator for the tuner category,"
echo "reads each device's property bag and binds the filter (Wine answers these with registry"
echo "calls to wineserver and by loading the filter's server): that is the presence check, the"
echo "whole of an idle tick. A key that reaches the mouse adds the nine window searches of the"
echo "detection cascade (each a wineserver round trip) and the pointer's read and move. The"
echo "latency is bounded by the 100 ms polling period."
