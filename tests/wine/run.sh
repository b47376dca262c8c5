#!/bin/sh
# Runs one Windows program of a build tree under Wine, in that tree's private prefix.
# Usage: run.sh <build dir> <loader> <program.exe> [arguments...]
# The loader is Wine's own (wine64 for x86_64, wine for i686), not the wine wrapper, so
# that the program stays in the caller's process tree and its exit status comes back.
. "$(dirname "$0")/env.sh" "$1"
loader=$2
shift 2
exec "$loader" "$@"
