#!/bin/sh
# Formats the C and C++ sources with the project's .clang-format (Debian's clang-format).
#   scripts/format.sh          rewrites every file that is not formatted
#   scripts/format.sh --check  changes nothing and fails, naming the files, when one is not
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.c' '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $files
else
  # shellcheck disable=SC2086
  clang-format -i $files
fi
