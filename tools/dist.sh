#!/usr/bin/env bash
# Release bundles: builds the shipped programs for i686 and x86_64 in trees of their own,
# holds them to their size limits and to XP's import tables, and writes into dist/ the
# kestrel bundle and the medium template of each build, their zip archives and SHA256SUMS.
#   dist.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
here=$1 build=$2
out=$here/dist
version=$(tr -d ' \r\n' <"$here/VERSION")
export SOURCE_DATE_EPOCH=315532800   # 1980-01-01, the earliest time a zip entry can carry

# Limits in bytes; the size of a stripped program is what a user downloads.
limit_kestrel=131072 limit_Setup=131072 limit_mediacheck=98304

build_arch() {
  local arch=$1 tree=$build/dist/$1
  cmake -S "$here" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DWINE_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" >"$tree.configure.log" 2>&1 \
    || { cat "$tree.configure.log"; return 1; }
  cmake --build "$tree" -j"$(nproc)" --target kestrel Setup mediacheck >"$tree.build.log" 2>&1 \
    || { tail -40 "$tree.build.log"; echo "Build of $arch failed: $tree.build.log"; return 1; }
}

check_arch() {
  local arch=$1 bin=$build/dist/$1/bin status=0 program size limit
  for program in kestrel Setup mediacheck; do
    size=$(stat -c %s "$bin/$program.exe")
    limit=limit_$program; limit=${!limit}
    printf '  %-8s %-15s %7d bytes (limit %d)\n' "$arch" "$program.exe" "$size" "$limit"
    [ "$size" -le "$limit" ] || { echo "  $arch $program.exe is over its limit"; status=1; }
  done
  "$here/tests/check-imports.sh" "$arch-w64-mingw32-objdump" "$bin/kestrel.exe" "$bin/Setup.exe" "$bin/mediacheck.exe" \
    >"$build/dist/$arch.imports.log" || { cat "$build/dist/$arch.imports.log"; status=1; }
  return $status
}

# The README's sections between two headings (the first line included, the second not).
readme_section() { awk -v from="$1" -v to="$2" '$0 == from {on=1} $0 == to {on=0} on' "$here/README.md"; }

# Markdown made plain for Notepad: no pictures, Windows line ends.
as_text() { sed -e '/^!\[/d' | sed -e 's/$/\r/'; }

stage_arch() {
  local arch=$1 bin=$build/dist/$1/bin
  local kestrel=$out/kestrel-$version-$arch medium=$out/medium-$version-$arch
  mkdir -p "$kestrel" "$medium"
  cp "$bin/kestrel.exe" "$kestrel/"
  { printf '# kestrel %s\n\n' "$version"; sed 1d "$here/docs/user-guide.md"; echo
    sed -e 1d -e '/^Generated from/,+1d' "$here/docs/keys.md"; } | as_text >"$kestrel/Guide.txt"
  as_text <"$here/LICENSE" >"$kestrel/LICENSE.txt"

  cp "$bin/Setup.exe" "$bin/mediacheck.exe" "$medium/"
  sed -e 's/$/\r/' "$here/docs/medium/Setting.ini" >"$medium/Setting.ini"
  { printf '# Installation medium template %s\n\n' "$version"
    readme_section "## Making an installation medium" "## Layout"
    readme_section "## tollgate's exit code" "## Making an installation medium"; } | as_text >"$medium/Guide.txt"
  as_text <"$here/LICENSE" >"$medium/LICENSE.txt"
  local folder
  for folder in XP_x86 XP_x64 Vista_x86 Vista_x64; do
    mkdir -p "$medium/$folder"
    as_text <"$here/docs/medium/$folder.txt" >"$medium/$folder/ReadMe.txt"
  done
}

rm -rf "$out"; mkdir -p "$out" "$build/dist"
echo "Building release $version..."
for arch in i686 x86_64; do build_arch "$arch"; done
status=0
for arch in i686 x86_64; do check_arch "$arch" || status=1; done
[ $status -eq 0 ] || { echo "Release checks failed."; exit 1; }
for arch in i686 x86_64; do stage_arch "$arch"; done

cd "$out"
bundles=$(ls -d */)
for bundle in $bundles; do
  bundle=${bundle%/}
  python3 "$here/tools/stable_zip.py" "$bundle.zip" "$bundle"
  # The archive must not depend on when or in which order its files were written.
  touch "$bundle"/*; python3 "$here/tools/stable_zip.py" "$bundle.again.zip" "$bundle"
  cmp -s "$bundle.zip" "$bundle.again.zip" || { echo "$bundle.zip is not reproducible"; exit 1; }
  rm "$bundle.again.zip"
done
sha256sum -- *.zip >SHA256SUMS
echo "In $out:"
for bundle in $bundles; do
  bundle=${bundle%/}
  echo "  $bundle.zip:"
  (cd "$bundle" && find . -type f | sed 's|^\./|    |' | LC_ALL=C sort)
done
cat SHA256SUMS
