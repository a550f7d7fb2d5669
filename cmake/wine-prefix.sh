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

# One registry file in UTF-16 (version 5.00 format): regedit reads the Chinese face names intact,
# where `wine reg add` passes them through the Unix locale's character set and a REGEDIT4 file is
# read in the ANSI code page, both of which mangle them on an English system.
reg_file="$(dirname "$prefix")/tessavia-prefix.reg"
# The Sharp face carries hand-tuned bitmaps for the small sizes of the editor and dialogs.
font='WenQuanYi Zen Hei Sharp'
{
  echo 'Windows Registry Editor Version 5.00'
  echo
  # Wine draws the window's own frame, so the X window has the window's outer size.
  echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
  echo '"Decorated"="N"'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  for face in 宋体 SimSun 黑体 SimHei 新宋体 NSimSun; do echo "\"$face\"=\"$font\""; done
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]'
  for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' 'MS Sans Serif' 'Segoe UI' Arial; do
    # REG_MULTI_SZ as hex(7): UTF-16LE strings each ended by a NUL, then one more NUL.
    hex=$(printf 'wqy-zenhei.ttc,%s\0\0' "$font" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
    echo "\"$face\"=hex(7):$hex"
  done
} | sed 's/$/\r/' | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg_file"
env -u DISPLAY wine reg import "$reg_file" >/dev/null 2>&1
wineserver -w || true
touch "$prefix/.tessavia-ready"
