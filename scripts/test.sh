#!/bin/sh
# Installs what is missing, builds everything and runs every test: the pure rules natively
# under the sanitizers, then every test program under Wine (with a virtual display).
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset win64
cmake --build --preset win64
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64
