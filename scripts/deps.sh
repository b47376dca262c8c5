#!/bin/sh
# Installs the Debian packages that building and testing need, when they are missing.
# Runs as root (or through sudo); does nothing when everything is already there.
set -eu

packages="cmake ninja-build g++ git ca-certificates
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386 xvfb xauth
  python3 googletest zlib1g-dev nlohmann-json3-dev libstb-dev clang clang-format libclang-rt-14-dev imagemagick zip unzip"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
as_root=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "Run as root to install:$missing" >&2; exit 1; }
  as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# 32-bit Wine needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -q i386; then
  $as_root dpkg --add-architecture i386
fi
$as_root apt-get update -q
$as_root apt-get install -y -q --no-install-recommends $missing
