#!/bin/sh
# Builds and runs every benchmark: the native ones (optimised, no sanitizers), then the
# Windows ones under Wine. Each prints its ratio to its own baseline.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
status=0
cmake --preset native-bench >/dev/null
cmake --build --preset native-bench --target crc_bench
echo "== crc_bench"
build/native-bench/bin/crc_bench || status=1

cmake --preset win64 >/dev/null
cmake --build --preset win64
tests/wine/start-server.sh build/win64
for bench in build/win64/bin/*_bench.exe; do
  echo "== $(basename "$bench")"
  xvfb-run -a tests/wine/run.sh build/win64 /usr/lib/wine/wine64 "$bench" || status=1
done
tests/wine/stop-server.sh build/win64
exit $status
