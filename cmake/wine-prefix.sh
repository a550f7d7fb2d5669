#!/usr/bin/env bash
# Makes a Wine prefix ready for the program's tests, once: initialised quietly (Wine's first-run
# chatter would otherwise reach GoogleTest's discovery), no window-manager frame, and CJK fonts
# linked so that an English system shows Chinese characters too. Safe to call from parallel tests.
set -euo pipefail
prefix="$1"
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.tessavia-ready" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No display is needed to initialise; keep Wine from looking for one.
env -u DISPLAY wineboot -i >/dev/null 2>&1 || true
wineserver -w || true

reg() { env -u DISPLAY wine reg add "$@" /f >/dev/null 2>&1; }
# Wine draws the window's own frame, so the X window has the window's outer size.
reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
font='WenQuanYi Zen Hei'
for face in 宋体 SimSun 黑体 SimHei 新宋体 NSimSun; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "$font"
done
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' 'MS Sans Serif' 'Segoe UI' Arial; do
  reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /t REG_MULTI_SZ /d "wqy-zenhei.ttc,$font"
done
wineserver -w || true
touch "$prefix/.tessavia-ready"
