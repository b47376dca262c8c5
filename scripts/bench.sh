#!/bin/sh
# Builds and runs every benchmark under Wine; each prints its ratio to its own baseline.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
tests/wine/start-server.sh build/win64
status=0
for bench in build/win64/bin/*_bench.exe; do
  echo "== $(basename "$bench")"
  xvfb-run -a tests/wine/run.sh build/win64 /usr/lib/wine/wine64 "$bench" || status=1
done
tests/wine/stop-server.sh build/win64
exit $status
