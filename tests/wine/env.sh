# Sourced by the Wine scripts: the private prefix of one build tree and a quiet Wine.
# Usage: ZEB_BUILD_DIR=<build dir>; . env.sh   (or, from a script whose $1 is the build dir,
# . env.sh "$1": a sourced file sees the caller's arguments in every POSIX shell).
ZEB_BUILD_DIR=$(cd "${ZEB_BUILD_DIR:-$1}" && pwd)
export WINEPREFIX="$ZEB_BUILD_DIR/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
# The ANSI code page follows the locale; pin it so that every run sees code page 1252.
export LANG=C.UTF-8
export LC_ALL=C.UTF-8
