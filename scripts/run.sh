#!/bin/sh
# Installs what is missing, builds zeb and vrelo, and runs the main job on the bundled sample
# games (scripts/sample_games.sh): a small games root made from the test games, a
# "config.cfg" for it, and "zeb.exe /autoparse" under Wine. Then it prints the entry files,
# the names of the games' pictures, the DAT file, the frontend's settings file and zeb.log. Everything lands in build/demo.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target zeb vrelo fixtures >/dev/null

bin=build/win64/bin
demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/Zebrine"
cp "$bin/zeb.exe" "$bin/vrelo.exe" "$demo/Zebrine/"

tests/wine/start-server.sh build/win64
status=0
scripts/sample_games.sh "$demo" "$bin/fixtures/x64" build/win64 /usr/lib/wine/wine64 || status=$?
tests/wine/stop-server.sh build/win64
exit $status
