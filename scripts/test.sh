#!/bin/sh
# Installs what is missing, checks the formatting, builds everything and runs every test:
# the pure rules natively under the sanitizers, the fuzzers for a bounded time, then every
# test program under Wine (with a virtual display), for the 64-bit and the 32-bit build, and
# the release check. Each stage's time is printed, and all of them again at the end.
#
# On a machine whose kernel runs no 32-bit programs, 32-bit Wine cannot start: both
# architectures are still built, but the 32-bit tests and the running of the 32-bit release
# are skipped, with one line that says so.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh

times=""
# stage <name> <command> [arguments]: runs one stage and notes its time.
stage() {
  name=$1
  shift
  echo "== $name"
  begin=$(date +%s)
  "$@"
  took=$(($(date +%s) - begin))
  echo "-- $name: $took s"
  times="$times$(printf '%-30s %5d s' "$name" "$took")
"
}
total_begin=$(date +%s)

if tests/wine/runs-32bit.sh; then
  presets="win64 win32"
  skipped=""
else
  presets="win64"
  skipped="this kernel runs no 32-bit programs: the 32-bit tests were not run"
  echo "!! $skipped"
fi

# The sources as .clang-format lays them out (scripts/format.sh mends them).
stage "format check" scripts/format.sh --check

native() {
  cmake --preset native >/dev/null
  cmake --build --preset native
  ctest --preset native
}
stage "native build and tests" native
stage "fuzzers" scripts/fuzz.sh 12

# Both architectures are built everywhere: a 32-bit build that does not compile is a failure
# on every machine.
windows_build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}
windows_tests() {
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$1"
}
for preset in win64 win32; do
  stage "$preset build" windows_build $preset
done
for preset in $presets; do
  stage "$preset tests" windows_tests $preset
done

# Last, the release: both zip files, each checked unpacked in a fresh folder on the sample
# games (the 32-bit one only where 32-bit Wine runs).
stage "release check" scripts/release.sh

echo "== times"
printf '%s' "$times"
printf '%-30s %5d s\n' "all" "$(($(date +%s) - total_begin))"
if [ -n "$skipped" ]; then
  echo "!! $skipped"
fi
