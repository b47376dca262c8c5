#!/bin/sh
# Installs what is missing, builds zeb and vrelo, and runs the main job on the bundled sample
# games: a small games root made from the test games, a "config.cfg" for it, and
# "zeb.exe /autoparse" under Wine. Then it prints the entry files, the DAT file and the
# frontend's settings file that zeb wrote.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target zeb vrelo fixtures >/dev/null

bin=build/win64/bin
demo=$(pwd)/build/demo
rm -rf "$demo"
mkdir -p "$demo/Zebrine/dats" "$demo/DK/cfgs"
cp "$bin/zeb.exe" "$bin/vrelo.exe" "$demo/Zebrine/"

# The games root: one folder per installed game, as a user's would look.
game() {  # game <folder/file> <test game>
  mkdir -p "$demo/games/$(dirname "$1")"
  cp "$bin/fixtures/x64/$2.exe" "$demo/games/$1"
}
game "Sky Race/skyrace.exe" sample_skyrace
game "Sky Race/setup.exe" noversion
game "Tank Battle/bin/tanks.exe" sample_tanks
mkdir -p "$demo/games/Tank Battle/data"
game "Maze Runner/MazeLauncher.exe" sample_maze
game "Maze Runner/editor.exe" noversion
game "Maze Runner/uninstall.exe" noversion
game "Only Installers/setup.exe" noversion

# Windows paths under Wine: Z: is the Linux root.
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
printf '%s\\\r\nroms\\\r\ndats\\\r\n%s\\\r\n' "$(windows "$demo/games")" "$(windows "$demo/DK")" \
  > "$demo/Zebrine/config.cfg"

tests/wine/start-server.sh build/win64
ZEB_BUILD_DIR=build/win64
. tests/wine/env.sh
echo "== zeb.exe /autoparse in $demo/Zebrine"
status=0
(cd "$demo/Zebrine" && /usr/lib/wine/wine64 zeb.exe /autoparse) || status=$?
echo "exit status: $status"
for entry in "$demo"/Zebrine/roms/*; do
  echo "== entry file roms/$(basename "$entry")"
  tr -d '\r' < "$entry"
done
echo "== DAT file dats/PC.dat"
tr -d '\r' < "$demo/Zebrine/dats/PC.dat"
echo "== frontend settings DK/cfgs/PC.cfg"
tr -d '\r' < "$demo/DK/cfgs/PC.cfg"
tests/wine/stop-server.sh build/win64
exit $status
