#!/usr/bin/env bash
# Proves that the shipped programs are reproducible: builds them once more from a copy of the
# sources in another folder, at another time and without the compiler cache, and compares
# them byte for byte with the programs of this build.
#   check-reproducible.sh SOURCE ARCH BIN_FOLDER
set -u
source=$1 arch=$2 bin=$3
work=$(mktemp -d /tmp/reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/another/place/src"
(cd "$source" && tar cf - --exclude=./build --exclude=./dist --exclude=./.git .) | (cd "$work/another/place/src" && tar xf -)
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
cmake -S "$work/another/place/src" -B "$work/tree" -DCMAKE_BUILD_TYPE=Release -DWINE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$work/another/place/src/cmake/mingw-$arch.cmake" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/tree" -j2 --target kestrel Setup mediacheck >"$work/build.log" 2>&1 \
  || { tail -30 "$work/build.log"; exit 1; }
status=0
for program in kestrel.exe Setup.exe mediacheck.exe; do
  if cmp "$bin/$program" "$work/tree/bin/$program"; then
    echo "$program: the same $(stat -c %s "$bin/$program") bytes from $work/another/place"
  else
    echo "$program differs when built again elsewhere"; status=1
  fi
done
exit $status
