#!/bin/sh
# Makes the build tree's Wine prefix (once), then starts a persistent, warmed wineserver.
# Every Wine test depends on this; without it each test pays Wine's start-up and Wine's
# service processes inherit the first test's output pipe.
. "$(dirname "$0")/env.sh" "$1"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wine wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1 &
wine cmd /c exit </dev/null >/dev/null 2>&1
exit 0
