#!/bin/sh
# Installs what is missing, checks the formatting, builds everything and runs every test:
# the pure rules natively under the sanitizers, the fuzzers for a bounded time, then every
# test program under Wine (with a virtual display), for the 64-bit and the 32-bit build, and
# the release check.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh

# The sources as .clang-format lays them out (scripts/format.sh mends them).
scripts/format.sh --check

cmake --preset native
cmake --build --preset native
ctest --preset native

scripts/fuzz.sh 12

for preset in win64 win32; do
  cmake --preset $preset
  cmake --build --preset $preset
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset $preset
done

# Last, the release: both zip files, each checked unpacked in a fresh folder on the sample games.
scripts/release.sh
