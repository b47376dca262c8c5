#!/bin/sh
# The main job on the sample games, with the zeb.exe and vrelo.exe already in <demo>/Zebrine:
# makes a small games root from the test games in <demo>/games, a Dragon King folder
# <demo>/DK, the DAT folder and a "config.cfg" beside zeb.exe, runs "zeb.exe /autoparse" from
# its own folder under Wine, then prints the entry files, the DAT file, the frontend's
# settings file and the log that zeb wrote. Ends with zeb's exit status.
# Usage: sample_games.sh <demo folder> <test games folder> <build dir> <Wine loader>
#   The test games folder holds sample_*.exe and noversion.exe (build/<preset>/bin/fixtures/
#   x64 or x86); the build dir's Wine prefix is used, whose wineserver the caller has started.
set -eu
demo=$(cd "$1" && pwd)
games=$2
loader=$4
[ -f "$demo/Zebrine/zeb.exe" ] || { echo "no zeb.exe in $demo/Zebrine" >&2; exit 2; }
rm -rf "$demo/games" "$demo/DK"
# The DAT folder must exist; zeb makes the entry folder itself.
mkdir -p "$demo/Zebrine/dats" "$demo/DK/cfgs"

# The games root: one folder per installed game, as a user's would look.
game() {  # game <folder/file> <test game>
  mkdir -p "$demo/games/$(dirname "$1")"
  cp "$games/$2.exe" "$demo/games/$1"
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

ZEB_BUILD_DIR=$3
. "$(dirname "$0")/../tests/wine/env.sh"
echo "== zeb.exe /autoparse in $demo/Zebrine"
status=0
(cd "$demo/Zebrine" && "$loader" zeb.exe /autoparse) || status=$?
echo "exit status: $status"
for entry in "$demo"/Zebrine/roms/*; do
  [ -f "$entry" ] || continue
  echo "== entry file roms/$(basename "$entry")"
  tr -d '\r' < "$entry"
done
echo "== pictures (from the games' icons)"
ls "$demo/Zebrine/pictures" 2>/dev/null || echo "(none)"
for file in Zebrine/dats/PC.dat DK/cfgs/PC.cfg Zebrine/zeb.log; do
  echo "== $file"
  if [ -f "$demo/$file" ]; then tr -d '\r' < "$demo/$file"; else echo "(missing)"; fi
done
exit $status
