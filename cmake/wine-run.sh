#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: CTest's emulator for the cross build.
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]. The prefix lives in the build tree and is made
# once (see wine-prefix.sh); without a DISPLAY the program gets a virtual one of its own.
set -euo pipefail
prefix="$1"
shift
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Chinese system (LC_ALL=zh_CN.UTF-8) takes its code page 936 from the name alone, but Wine names
# files on the Unix side in the glibc locale's character set: without that locale installed it is
# ASCII and no Chinese file name can be made. Build the locale into the build tree when it is missing.
if [ -n "${LC_ALL:-}" ] && [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  locales="$prefix.locales"
  (
    flock 9
    mkdir -p "$locales"
    [ -d "$locales/$LC_ALL" ] || localedef -i "${LC_ALL%%.*}" -f UTF-8 "$locales/$LC_ALL" >/dev/null 2>&1 || true
  ) 9>"$prefix.locales.lock"
  export LOCPATH="$locales"
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
