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
idle=20
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
row() { printf '  %-44s %9s %-4s %-37s %-9s %s\n' "$@"; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v + 0 < t + 0 ? "met" : "MISSED") }'; }
results=$(mktemp)
{
"$loader" "$build/$arch/bin/bench_kestrel.exe" idle $idle "$@" | while IFS= read -r line; do
  line=${line%$'\r'}
  case $line in
    BASE-START)
      spids=$(prefix_pids '^[^ ]*wineserver')
      b0=$(cpu_ticks $spids); bt0=$(date +%s%N) ;;
    BASE-END)
      b1=$(cpu_ticks $spids); bt1=$(date +%s%N) ;;
    IDLE-START)
      kpids=$(prefix_pids '(^|[/\\])kestrel[.]exe( |$)'); spids=$(prefix_pids '^[^ ]*wineserver')
      k0=$(cpu_ticks $kpids); s0=$(cpu_ticks $spids); t0=$(date +%s%N) ;;
    IDLE-END)
      k1=$(cpu_ticks $kpids); s1=$(cpu_ticks $spids); t1=$(date +%s%N)
      # wineserver's share on kestrel's behalf: its use while kestrel idles, less its use in
      # the same prefix before kestrel started.
      read -r pk ps pt < <(awk -v k=$((k1 - k0)) -v s=$((s1 - s0)) -v b=$((b1 - b0)) -v hz=$hz \
          -v ms=$(( (t1 - t0) / 1000000 )) -v bms=$(( (bt1 - bt0) / 1000000 )) 'BEGIN {
        pk = 100 * (k * 1000 / hz) / ms; ps = 100 * (s * 1000 / hz) / ms - 100 * (b * 1000 / hz) / bms;
        if (ps < 0) ps = 0; printf "%.3f %.3f %.3f\n", pk, ps, pk + ps }')
      echo "kestrel.exe idle for $idle s with the stick plugged in (CPU of one core, from /proc):"
      row "kestrel.exe" "$pk" "%" "" "" ""
      row "wineserver on its behalf" "$ps" "%" "" "" ""
      row "idle CPU, together" "$pt" "%" "" "< 1 %" "$(verdict "$pt" 1)" ;;
    *) printf '%s\n' "$line" ;;
  esac
done
echo
# The programs are stripped at the link: these are the files a release ships (./run dist).
echo "Sizes of the shipped programs:"
for entry in kestrel.exe:128 Setup.exe:128 mediacheck.exe:96; do
  program=${entry%%:*} limit=${entry#*:}
  file=$build/$arch/bin/$program
  if [ -f "$file" ]; then
    bytes=$(stat -c %s "$file")
    kib=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1024 }')
    row "$program" "$kib" "KiB" "" "<= $limit KiB" "$(verdict "$bytes" $((limit * 1024 + 1)))"
  else
    row "$program" "-" "KiB" "" "<= $limit KiB" "MISSED (no file)"
  fi
done
} | tee "$results"
echo
met=$(grep -c ' met$' "$results")
missed=$(grep -c 'MISSED' "$results")
names=$(grep 'MISSED' "$results" | sed -E 's/^ +//; s/ {2,}.*//' | paste -sd ';' | sed 's/;/; /g')
rm -f "$results"
if [ "$missed" -eq 0 ]; then
  echo "Summary: all $met targets met."
else
  echo "Summary: $met of $((met + missed)) targets met; missed: $names."
fi
