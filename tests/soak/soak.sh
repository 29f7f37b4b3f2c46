#!/usr/bin/env bash
# The soak: kestrel through 100 replug cycles and an hour of polling compressed, tollgate's
# reading and planning through 10,000 generated Setting.ini files, and the host fuzz loop for
# longer than the tests give it. Figures as the benchmark prints them.   soak.sh BUILD_FOLDER
set -u -o pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tests/wine-env.sh"
wine_pick_build "$build"
arch=$WINE_BUILD_ARCH loader=$WINE_BUILD_LOADER template=$WINE_BUILD_TEMPLATE
trap wine_env_down EXIT
trap 'exit 130' INT TERM
cycles=${SOAK_CYCLES:-100} ticks=${SOAK_TICKS:-36000} files=${SOAK_FILES:-10000} fuzz=${SOAK_FUZZ_SECONDS:-120}
echo "Soak: $arch build under $("$loader" --version), $(nproc) cores"
echo
failed=0
wine_env_up "$template" || exit 2
"$loader" "$build/$arch/bin/soak_kestrel.exe" cycles "$cycles" ticks "$ticks" | tr -d '\r' || failed=1
wine_env_down
echo
wine_env_up "$template" || exit 2
fuzzlog=$(mktemp)
SETTING_FUZZ_FILES=$files "$loader" "$build/$arch/bin/win_tollgate_tests.exe" --gtest_filter=SettingFuzz.* \
  >"$fuzzlog" 2>&1 || failed=1
tr -d '\r' <"$fuzzlog" | grep -E '^Setting.ini generator|Failure|file [0-9]+ of seed' \
  || echo "Setting.ini generator: the run ended before its figures (crash)"
rm -f "$fuzzlog"
wine_env_down
echo
if [ -x "$build/host/bin/tollgate_fuzz" ]; then
  "$build/host/bin/tollgate_fuzz" "$fuzz" || failed=1
fi
echo
if [ "$failed" -eq 0 ]; then echo "Soak: nothing lost, nothing grew, no crash."; else echo "Soak: FAILED (see above)."; fi
exit $failed
