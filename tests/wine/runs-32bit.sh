#!/bin/sh
# Succeeds when 32-bit Wine can start on this machine. Some kernels run no 32-bit Linux
# programs at all (IA-32 emulation switched off or built out); there Wine's 32-bit loader
# fails with "Exec format error" and no 32-bit Windows program can run.
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
