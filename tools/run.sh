#!/usr/bin/env bash
# Builds the program and shows its main job: the batch converter on the bundled Traditional sample,
# then tessavia.exe itself under Wine. With DISPLAY set the window opens there and the script waits
# until it is closed; without one it runs on a virtual display, saves a screenshot, prints its path
# and closes the window with Esc.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native --target tessavia-convert -j "$jobs"
echo "Traditional (GBK) sample:"
iconv -f GBK -t UTF-8 tools/sample-traditional.txt
echo "Converted to Simplified:"
build/native/cli/tessavia-convert <tools/sample-traditional.txt | iconv -f GBK -t UTF-8

cmake --preset windows >/dev/null
cmake --build --preset windows --target tessavia -j "$jobs"
exe="$PWD/build/windows/app/tessavia.exe"
prefix="$PWD/build/windows/run-wineprefix"
cmake/wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting tessavia.exe on $DISPLAY (F4 to Simplified, F5 to Traditional, Esc closes)."
  wine "$exe"
  exit 0
fi

screenshot="$PWD/build/windows/tessavia-window.png"
export TESSAVIA_EXE="$exe" TESSAVIA_SCREENSHOT="$screenshot"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine "$TESSAVIA_EXE" &
  app=$!
  for _ in $(seq 1 120); do
    xdotool search --name "^Tessavia$" >/dev/null 2>&1 && break
    sleep 0.5
  done
  sleep 2
  import -window root "$TESSAVIA_SCREENSHOT"
  xdotool key Escape
  wait "$app"
'
echo "tessavia.exe ran on a virtual display; screenshot: $screenshot"
