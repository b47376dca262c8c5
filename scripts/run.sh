#!/bin/sh
# Installs what is missing, builds zeb and vrelo, and starts zeb's window under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target zeb vrelo

demo=build/demo
mkdir -p "$demo"
cp build/win64/bin/zeb.exe build/win64/bin/vrelo.exe "$demo/"
tests/wine/start-server.sh build/win64
. tests/wine/env.sh build/win64
if [ -z "${DISPLAY:-}" ]; then
  echo "zeb is built in $demo. No display is set: to see its window, run"
  echo "  xvfb-run -a sh -c '. tests/wine/env.sh build/win64; cd $demo && wine zeb.exe'"
  echo "or set DISPLAY and run this command again."
  exit 0
fi
cd "$demo" && exec wine zeb.exe
