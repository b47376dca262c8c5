#!/bin/sh
# Makes the build tree's Wine prefix (once), then starts a persistent, warmed wineserver.
# Every Wine test depends on this; without it each test pays Wine's start-up and Wine's
# service processes inherit the first test's output pipe.
# Wine's own 64-bit loader, never the wine wrapper: the wrapper picks the 32-bit loader
# whenever 32-bit Wine is installed, and that loader cannot start where the kernel runs no
# 32-bit programs. A 64-bit prefix runs 32-bit programs too, where the kernel allows.
. "$(dirname "$0")/env.sh" "$1"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1 &
/usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
# The desktop process (explorer.exe, with rpcss.exe beside it) starts with the first program
# that needs a window or COM, and inherits that program's output: it would hold a test's
# output pipe open for a minute after the test had ended. Started here, it holds nothing.
/usr/lib/wine/wine64 explorer.exe /desktop </dev/null >/dev/null 2>&1 &
# Under Xvfb no window manager runs, and Wine waits 2 s for one whenever a window it lets a
# manager handle is hidden or closed. Windows it manages itself close at once.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
exit 0
