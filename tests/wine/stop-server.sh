#!/bin/sh
# Ends the build tree's persistent wineserver and every Wine process in its prefix.
. "$(dirname "$0")/env.sh" "$1"
wineserver -k </dev/null >/dev/null 2>&1
exit 0
