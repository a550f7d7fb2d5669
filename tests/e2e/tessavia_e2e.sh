#!/usr/bin/env bash
# The real tessavia.exe under Wine on its own virtual display, driven only as a user would: clicks
# and keys by xdotool, text in and out through the clipboard. Converts a typed text with F4 and F5,
# takes a screenshot, closes with Esc and checks the exit code.
# Usage: tessavia_e2e.sh TESSAVIA_EXE PREFIX zh|en SCREENSHOT.png
set -euo pipefail
exe="$1" prefix="$2" language="$3" screenshot="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ -z "${TESSAVIA_E2E_DISPLAY:-}" ]; then
  # A display of our own, so that no other test's window takes the keyboard.
  exec env TESSAVIA_E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

"$here/../../cmake/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$language" = zh ]; then
  export LC_ALL=zh_CN.UTF-8  # ANSI code page 936
else
  unset LC_ALL
  export LANG=C.UTF-8  # ANSI code page 1252
fi

fail() {
  echo "FAIL ($language): $*" >&2
  wineserver -k 2>/dev/null || true
  exit 1
}

wine "$exe" &
app=$!
window=""
for _ in $(seq 1 120); do
  window=$(xdotool search --name '^Tessavia$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || fail "the window did not appear"
sleep 1

# The editor fills the top of the window: click well inside it.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 300)) $((Y + 150)) click 1
sleep 0.5

paste() {  # UTF-8 text into the clipboard, then Ctrl+V
  printf '%s' "$1" | xclip -selection clipboard
  sleep 0.3
  xdotool key ctrl+v
  sleep 0.3
}
editor_text() {  # Ctrl+A Ctrl+C, then the clipboard without CRs
  # A marker, not an empty text: Wine fails on an empty selection it is offered.
  printf 'not copied' | xclip -selection clipboard
  xdotool key ctrl+a ctrl+c
  sleep 0.5
  xclip -o -selection clipboard | tr -d '\r'
}

xdotool key ctrl+a Delete
paste '國發'
xdotool type --delay 50 ' abc'
xdotool key Return
xdotool type --delay 50 'xyz'
paste '国'
typed=$(editor_text)
[ "$typed" = $'國發 abc\nxyz国' ] || fail "typed text reads back as '$typed'"

xdotool key F4
sleep 1
simplified=$(editor_text)
[ "$simplified" = $'国发 abc\nxyz国' ] || fail "F4 gave '$simplified'"

xdotool key F5
sleep 1
traditional=$(editor_text)
[ "$traditional" = $'國發 abc\nxyz國' ] || fail "F5 gave '$traditional'"

xdotool key ctrl+Home
sleep 1
import -window root "$screenshot"

xdotool key Escape
code=0
wait "$app" || code=$?
[ "$code" -eq 0 ] || fail "exit code $code after Esc"
echo "PASS ($language): typed, F4 and F5 read back as expected; exit code 0; screenshot $screenshot"
