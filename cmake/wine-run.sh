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
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
