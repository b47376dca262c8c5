#!/bin/sh
# Builds a release: zeb.exe and vrelo.exe for x86_64 and for i686 (presets win64 and win32,
# Release build type), stripped, each pair with the user guide (release/guide.txt, with the
# version filled in and CR LF line ends, as Guide.txt) in dist/Zebrine-<version>-win64.zip and
# dist/Zebrine-<version>-win32.zip. <version> is project(VERSION) in CMakeLists.txt, which
# also makes the programs' version resources. Then scripts/release_check.sh unpacks and runs
# both zip files; when anything fails, the zip files are removed and the command fails.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
root=$(pwd)

version=$(sed -n 's/^project(Zebrine VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "No project(Zebrine VERSION ...) in CMakeLists.txt" >&2; exit 1; }

mkdir -p dist
zips=""
for preset in win64 win32; do
  case $preset in
    win64) triplet=x86_64-w64-mingw32 ;;
    win32) triplet=i686-w64-mingw32 ;;
  esac
  cmake --preset $preset >/dev/null
  if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' build/$preset/CMakeCache.txt; then
    echo "build/$preset is not a Release build" >&2
    exit 1
  fi
  echo "== building $preset"
  cmake --build --preset $preset --target zeb vrelo

  stage=build/release/stage/$preset
  rm -rf "$stage"
  mkdir -p "$stage"
  for program in zeb vrelo; do
    "$triplet-strip" -o "$stage/$program.exe" "build/$preset/bin/$program.exe"
  done
  # Notepad of every Windows version shows CR LF lines.
  tr -d '\r' < release/guide.txt | sed "s/@VERSION@/$version/; s/\$/\r/" > "$stage/Guide.txt"
  # The files carry the time of the last commit, so the same sources give the same zip.
  if stamp=$(git log -1 --format=%ct 2>/dev/null); then touch -d "@$stamp" "$stage"/*; fi

  zip=dist/Zebrine-$version-$preset.zip
  rm -f "$zip"
  (cd "$stage" && zip -q -X -D "$root/$zip" zeb.exe vrelo.exe Guide.txt)
  echo "made $zip"
  zips="$zips $zip"
done

# shellcheck disable=SC2086  # two file names without blanks
if ! scripts/release_check.sh $zips; then
  rm -f $zips
  echo "The release check failed; the zip files were removed." >&2
  exit 1
fi
