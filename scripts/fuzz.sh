#!/bin/sh
# Builds the libFuzzer targets (clang) and runs each for a bounded time, starting from its
# seed corpus in tests/fuzz/corpus/<target>/. Usage: scripts/fuzz.sh [seconds per target]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-10}
scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts
for fuzzer in build/fuzz/bin/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  echo "== $name ($seconds s)"
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=0 \
    -artifact_prefix=build/fuzz/artifacts/"$name"- "$work" "tests/fuzz/corpus/$name" 2>&1 |
    grep -E "^#[0-9]+.*DONE|ERROR|SUMMARY|check failed|Done" || true
  if ls build/fuzz/artifacts/"$name"-* >/dev/null 2>&1; then
    echo "$name found a failing input: build/fuzz/artifacts/" >&2
    exit 1
  fi
done
