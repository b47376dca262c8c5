#!/bin/sh
# Checks release zip files the way a user meets them: each one is unpacked into a fresh
# folder, its programs are looked at (architecture, DLLs, version resources against the
# version in the zip's name), and the sample games run end to end under Wine with the
# unpacked zeb.exe and vrelo.exe: "zeb.exe /autoparse" (scripts/sample_games.sh), then
# vrelo started on one entry file the way the frontend starts it.
# Usage: release_check.sh dist/Zebrine-<version>-win64.zip dist/Zebrine-<version>-win32.zip
# The 64-bit zip runs under /usr/lib/wine/wine64, the 32-bit one under /usr/lib/wine/wine,
# both in the Wine prefix build/release/wine; the unpacked folders stay in build/release.
# Where the kernel runs no 32-bit programs, the 32-bit zip is checked without running it.
set -eu
[ $# -gt 0 ] || { echo "usage: $0 <release zip>..." >&2; exit 2; }
for zip; do [ -f "$zip" ] || { echo "no file $zip" >&2; exit 2; }; done
for zip; do
  shift
  set -- "$@" "$(cd "$(dirname "$zip")" && pwd)/$(basename "$zip")"
done
cd "$(dirname "$0")/.."
root=$(pwd)
export LC_ALL=C

# The helper that reads version resources, and the test games.
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target version_check fixtures >/dev/null
work=$root/build/release
mkdir -p "$work"
tests/wine/start-server.sh "$work"
trap 'tests/wine/stop-server.sh "$work"' EXIT
ZEB_BUILD_DIR=$work
. tests/wine/env.sh

passed=0
failed=0
check() {  # check <what> <command> [arguments]: counts and prints one result
  what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    printf 'ok   %s\n' "$what"
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n' "$what"
  fi
}

# Windows paths under Wine: Z: is the Linux root.
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

# same_lines <file> <line>...: the file holds exactly these lines, each ending in CR LF.
same_lines() {
  file=$1
  shift
  expected=$work/expected.txt
  for line; do printf '%s\r\n' "$line"; done > "$expected"
  cmp -s "$file" "$expected" && return 0
  echo "     $file is not as expected (- expected, + found):"
  if [ -f "$file" ]; then
    diff "$expected" "$file" | tr -d '\r' | sed -n 's/^</     -/p; s/^>/     +/p'
  else
    echo "     (missing)"
  fi
  return 1
}

# crlf_text <file>: text whose every line, the last included, ends in CR LF.
crlf_text() {
  [ -s "$1" ] && [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" = '\n' ] &&
    ! grep -qv "$(printf '\r')\$" "$1"
}

# pe_format <file> <format>: a Windows program of this architecture (pei-x86-64, pei-i386).
pe_format() { $objdump -f "$1" 2>/dev/null | grep -q "file format $2\$"; }

# own_dlls_only <file>: imports no MinGW runtime DLL (libstdc++, libgcc, libwinpthread),
# which a user's Windows does not have.
own_dlls_only() {
  dlls=$($objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p')
  [ -n "$dlls" ] && ! printf '%s\n' "$dlls" | grep -qi '^lib'
}

# dat_names_entries <DAT file> <entry folder> <name>...: one game block per name, in this
# order, each with the size of its entry file.
dat_names_entries() {
  dat=$1
  roms=$2
  shift 2
  [ "$(tr -d '\r' < "$dat" | head -n 1)" = "clrmamepro (" ] || return 1
  [ "$(tr -d '\r' < "$dat" | grep -c '^game ($')" -eq $# ] || return 1
  [ "$(tr -d '\r' < "$dat" | sed -n '/^game ($/{n;s/^\tname //p;}' | tr '\n' ' ')" = "$* " ] ||
    return 1
  for game; do
    size=$(wc -c < "$roms/$game.zeb")
    rom="^	rom ( name $game size $size crc [0-9A-F]\{1,8\} )\$"
    tr -d '\r' < "$dat" | grep -q "$rom" || return 1
  done
}

for zip; do
  name=$(basename "$zip" .zip)
  arch=${name##*-}
  version=${name#Zebrine-}
  version=${version%-"$arch"}
  case $arch in
    win64) loader=/usr/lib/wine/wine64 games=x64 format=pei-x86-64
           objdump=x86_64-w64-mingw32-objdump ;;
    win32) loader=/usr/lib/wine/wine games=x86 format=pei-i386
           objdump=i686-w64-mingw32-objdump ;;
    *) check "$name.zip is named Zebrine-<version>-win64 or -win32" false; continue ;;
  esac
  echo "== $name.zip"
  demo=$work/$arch
  program=$demo/Zebrine
  rm -rf "$demo"
  mkdir -p "$program"

  check "$arch: the zip holds zeb.exe, vrelo.exe and Guide.txt, nothing else" \
    [ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "Guide.txt vrelo.exe zeb.exe " ]
  if ! unzip -q "$zip" -d "$program"; then
    check "$arch: the zip unpacks" false
    continue
  fi
  check "$arch: Guide.txt is text with CR LF line ends" crlf_text "$program/Guide.txt"
  check "$arch: Guide.txt is the guide of version $version" \
    grep -q "^Zebrine $version - user guide" "$program/Guide.txt"
  for exe in zeb vrelo; do
    check "$arch: $exe.exe is a $format program" pe_format "$program/$exe.exe" "$format"
    check "$arch: $exe.exe needs no MinGW DLL" own_dlls_only "$program/$exe.exe"
  done
  check "$arch: both version resources say $version (FileVersion and ProductVersion)" \
    /usr/lib/wine/wine64 "$root/build/win64/bin/version_check.exe" "$version" \
    "$(windows "$program/zeb.exe")" "$(windows "$program/vrelo.exe")"

  # Where the kernel runs no 32-bit programs, the 32-bit programs are looked at but not run.
  if [ "$arch" = win32 ] && ! tests/wine/runs-32bit.sh; then
    echo "!! this kernel runs no 32-bit programs: the 32-bit release was not run"
    continue
  fi
  status=0
  scripts/sample_games.sh "$demo" "build/win64/bin/fixtures/$games" "$work" "$loader" ||
    status=$?
  check "$arch: zeb.exe /autoparse ends with status 0" [ $status -eq 0 ]
  check "$arch: three entry files" \
    [ "$(cd "$program/roms" && ls | tr '\n' ' ')" = "MazeLauncher.zeb skyrace.zeb tanks.zeb " ]
  games_root=$(windows "$demo/games")
  check "$arch: roms/skyrace.zeb" same_lines "$program/roms/skyrace.zeb" \
    "$games_root\\Sky Race" skyrace.exe "Sky Race" "Example Games" 1999
  check "$arch: roms/tanks.zeb (the game one folder down)" same_lines "$program/roms/tanks.zeb" \
    "$games_root\\Tank Battle\\bin" tanks.exe "Tank Battle" "1995 -  Iron Works" 1998
  check "$arch: roms/MazeLauncher.zeb" same_lines "$program/roms/MazeLauncher.zeb" \
    "$games_root\\Maze Runner" MazeLauncher.exe "Maze Runner" "Labyrinth Soft" 2003
  check "$arch: a picture for each of the two games whose program has an icon" \
    [ "$(cd "$program/pictures" && ls | tr '\n' ' ')" = "skyrace.png tanks.png " ]
  check "$arch: dats/PC.dat has the three game blocks with their entry files' sizes" \
    dat_names_entries "$program/dats/PC.dat" "$program/roms" MazeLauncher skyrace tanks
  check "$arch: cfgs/PC.cfg names the unpacked folder" same_lines "$demo/DK/cfgs/PC.cfg" \
    "[Config]" "extension=.zeb" "path=$(windows "$program")\\" "exe=Vrelo.exe" \
    "send rom path=1" "send exit keys=0" "command line options="

  # The frontend starts path= + exe= with the chosen entry file's full path as command line.
  launcher=$(tr -d '\r' < "$demo/DK/cfgs/PC.cfg" | sed -n 's/^path=//p; s/^exe=//p' | tr -d '\n')
  entry=$(windows "$program/roms/skyrace.zeb")
  # Wine quotes an argument with blanks; vrelo takes a quoted entry path as the path.
  printf '== %s %s\n' "$launcher" "$entry"
  status=0
  (cd "$demo/DK" && "$loader" "$launcher" "$entry") || status=$?
  check "$arch: vrelo ends with status 0 once the game has ended" [ $status -eq 0 ]
  check "$arch: the game ran from its folder with its bare name as command line" \
    same_lines "$demo/games/Sky Race/skyrace.exe.record" \
    "skyrace.exe" "$games_root\\Sky Race" "$games_root\\Sky Race\\skyrace.exe"
done
rm -f "$work/expected.txt"
echo "release: $passed passed, $failed failed"
[ $failed -eq 0 ]
