#!/usr/bin/env bash
# The receiver library exports its three functions under plain names, and kestrel.exe
# imports exactly those names from it at load time.
#   check-receiver-contract.sh OBJDUMP KESTREL_EXE AF15BDAEX_DLL
set -u
objdump=$1 exe=$2 dll=$3
status=0
exports=$("$objdump" -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && NF==0 {t=0} t {print $NF}' | sort)
want=$(printf 'af15_GetIR\naf15_exit\naf15_init\n' | sort)
[ "$exports" = "$want" ] || { echo "af15bdaex.dll exports: $(echo $exports) (want plain af15_init af15_GetIR af15_exit)"; status=1; }
imports=$("$objdump" -p "$exe" | awk 'tolower($0) ~ /dll name: af15bdaex.dll/ {t=1; next} t && /Hint\/Ord/ {next} t && NF==0 {if (seen) t=0; next} t {seen=1; print $NF}' | sort)
[ -n "$imports" ] || { echo "kestrel.exe does not import af15bdaex.dll at load time"; status=1; }
for f in $imports; do
  printf '%s\n' "$want" | grep -qx "$f" || { echo "kestrel.exe imports unexpected $f from af15bdaex.dll"; status=1; }
done
[ $status -eq 0 ] && echo "receiver contract: exports and imports are plain af15_init, af15_GetIR, af15_exit"
exit $status
