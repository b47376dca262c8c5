# Sourced by the Wine scripts: the private prefix of one build tree and a quiet Wine.
# Usage: . env.sh <build dir>
ZEB_BUILD_DIR=$(cd "$1" && pwd)
export WINEPREFIX="$ZEB_BUILD_DIR/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
# The ANSI code page follows the locale; pin it so that every run sees code page 1252.
export LANG=C.UTF-8
export LC_ALL=C.UTF-8
