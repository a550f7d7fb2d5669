#!/usr/bin/env bash
# End-to-end tests of the file commands and the clock: the real tessavia.exe under Wine, on a
# virtual display of its own, worked only with keys and clicks.
# Usage: file_commands_e2e.sh SCENARIO BUILD_DIR SOURCE_DIR
set -euo pipefail
if [ -z "${TESSAVIA_E2E_DISPLAY:-}" ]; then
  export TESSAVIA_E2E_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
scenario="$1"
build="$(cd "$2" && pwd)"
source="$(cd "$3" && pwd)"
name="$scenario.${LC_ALL:-default}"
. "$source/tests/e2e/e2e_session.sh"

gbk() { iconv -f UTF-8 -t GBK; }
# A Traditional document with a Chinese name, and the settings file beside the program naming it.
document_name="繁體文件.txt"
document="$work/$document_name"
printf '繁體中文轉換測試：國家發展，後來乾淨。\r\nTessavia 1.0 — 第二行\r\n' | gbk >"$document"
cp "$document" "$work/original.txt"
{ printf '[地址]\r\n地址=%s\r\n' "$document_name"; } | gbk >"$work/Tessavia.ini"

# The editor's text as the probe lists it: UTF-8, line breaks written as \r and \n.
listed() { iconv -f GBK -t UTF-8 <"$1" | sed -z 's/\r/\\r/g; s/\n/\\n/g'; }
time_pattern='^[0-9]+时[0-9]+分[0-9]+秒'
status_text() { texts_of_class TessaviaComponent | grep -E "${time_pattern}保存" || true; }
path_box_is_empty() { [ -z "$(texts_of_class Edit)" ]; }
# True once the status label shows a time and the word.
status_shows() { [[ "$(status_text)" =~ ${time_pattern}$1$ ]]; }

case "$scenario" in
  default-convert-save)
    # F7 opens the document named in Tessavia.ini, F4 converts it to Simplified, F2 saves it back.
    start_program
    press F7 F4 F2
    wait_until status_shows 保存成功！ || fail "status label shows '$(status_text)'"
    screenshot after-save
    "$runner" "$prefix" "$probe" convert "$work/original.txt" "$work/expected.txt"
    cmp -s "$document" "$work/expected.txt" || fail "the saved file is not the kind 3 conversion of the original"
    cmp -s "$document" "$work/original.txt" && fail "the saved file was not converted at all"
    [ "$(texts_of_class Edit)" = "$document_name" ] || fail "path box shows '$(texts_of_class Edit)'"
    expect_time_near_now "$(status_text)"
    stop_program
    ;;
  save-as-dialog)
    # F3 shows the save dialog; a path typed into it is where the editor's text goes. The path is
    # ASCII: xdotool types a Chinese character by remapping a key for it, which now and then loses
    # one under load (Chinese names are covered by the document that F7 opens).
    saved_as="Z:${work//\//\\}\\saved-as.txt"
    start_program
    press F7 F3
    timeout 30 xdotool search --sync --onlyvisible --name '文件另存为' >/dev/null || fail "no save-as dialog"
    sleep 1
    press End shift+Home
    type_text "$saved_as"
    window="" screenshot dialog
    press Return
    wait_until status_shows 保存成功！ || fail "status label shows '$(status_text)'"
    cmp -s "$work/saved-as.txt" "$work/original.txt" || fail "saved-as.txt does not hold the editor's text"
    cmp -s "$document" "$work/original.txt" || fail "the opened document changed"
    [ "$(texts_of_class Edit)" = "$saved_as" ] || fail "path box shows '$(texts_of_class Edit)', not '$saved_as'"
    stop_program
    ;;
  missing-folder)
    # A double-click empties the path box; a path typed there into a missing folder cannot be saved.
    start_program
    press F7
    read -r x y <<<"$(centre_of_class Edit)"
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 100 1
    wait_until path_box_is_empty || fail "double-click left '$(texts_of_class Edit)' in the path box"
    type_text 'C:\nowhere\saved.txt'
    press F2
    wait_until status_shows 保存失败！ || fail "status label shows '$(status_text)'"
    screenshot after-failed-save
    [ ! -e "$prefix/drive_c/nowhere" ] || fail "the missing folder appeared"
    [ "$(texts_of_class RichEdit20W)" = "$(listed "$work/original.txt")" ] || fail "the editor changed"
    cmp -s "$document" "$work/original.txt" || fail "the opened document changed"
    stop_program
    ;;
  clock)
    # From a second after start-up the clock label shows the time of day, and it goes on.
    start_program
    sleep 2
    first="$(texts_of_class TessaviaComponent | grep -E "${time_pattern}$" | head -1)"
    [ -n "$first" ] || fail "no time of day shown"
    expect_time_near_now "$first"
    sleep 2
    second="$(texts_of_class TessaviaComponent | grep -E "${time_pattern}$" | head -1)"
    [ "$(seconds_of_text "$second")" -ne "$(seconds_of_text "$first")" ] || fail "the clock stood at '$first'"
    expect_time_near_now "$second"
    stop_program
    ;;
  *)
    echo "unknown scenario $scenario" >&2
    exit 2
    ;;
esac
echo "ok ($name)"
