#!/bin/sh
# Builds the libFuzzer targets (clang) and runs each for a bounded time, starting from its
# seed corpus in tests/fuzz/corpus/<target>/, as many at once as there are processors.
# Usage: scripts/fuzz.sh [seconds per target]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-10}
scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts build/fuzz/logs
rm -f build/fuzz/logs/*

run() {  # run <fuzzer>: one target, its report in build/fuzz/logs/<name>.log
  name=$(basename "$1" _fuzz)
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  "$1" -max_total_time="$seconds" -timeout=10 -print_final_stats=0 \
    -artifact_prefix=build/fuzz/artifacts/"$name"- "$work" "tests/fuzz/corpus/$name" \
    > build/fuzz/logs/"$name".log 2>&1 || true
}

slots=$(nproc 2>/dev/null || echo 2)
running=0
for fuzzer in build/fuzz/bin/*_fuzz; do
  run "$fuzzer" &
  running=$((running + 1))
  if [ "$running" -ge "$slots" ]; then
    wait
    running=0
  fi
done
wait

failed=0
for log in build/fuzz/logs/*.log; do
  name=$(basename "$log" .log)
  echo "== $name ($seconds s)"
  grep -E "^#[0-9]+.*DONE|ERROR|SUMMARY|check failed|Done" "$log" || true
  if ls build/fuzz/artifacts/"$name"-* >/dev/null 2>&1; then
    echo "$name found a failing input: build/fuzz/artifacts/" >&2
    failed=1
  fi
done
exit $failed
