#!/usr/bin/env bash
# Times the editor's whole-content write, read and F4 on 1, 4 and 16 MB documents in the real
# window under Wine (on a virtual display). Not part of CI; prints figures only.
# Usage: tools/bench-large-documents.sh [MEGABYTES...]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target tessavia_large_document_bench -j 2 >/dev/null
prefix="$PWD/build/windows/wineprefix"
cmake/wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1280x1024x24" wine build/windows/app/tessavia_large_document_bench.exe "$@"
