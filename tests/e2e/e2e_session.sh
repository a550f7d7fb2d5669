# Shared steps of the end-to-end tests (sourced): a copy of tessavia.exe in a fresh folder, started
# under Wine on the script's own virtual display, real keys and clicks by xdotool, and a look at
# what the window shows through e2e_probe.exe, which only reads.
# Needs: build (the windows build tree), source (the source tree), name (for screenshots).

prefix="$build/e2e-wineprefix"  # the end-to-end tests' own, taken in turns: no other window takes the focus
runner="$source/cmake/wine-run.sh"
probe="$build/tests/e2e/e2e_probe.exe"
shots="$build/e2e-screenshots"
mkdir -p "$shots"
work="$(mktemp -d "$build/e2e-work.XXXXXX")"
program_pid=""
window=""

cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program's window once it is up (the whole screen before), for a person to look at.
screenshot() { import -window "${window:-root}" "$shots/$name-$1.png" 2>/dev/null || true; }

fail() {
  echo "FAIL ($name): $*" >&2
  window="" screenshot failure
  echo "window at the failure:" >&2
  window_lines >&2 || true
  exit 1
}

# Starts the program from its folder and gives its window the keyboard focus.
start_program() {
  cp "$build/app/tessavia.exe" "$work/"
  # Made (once) before the clock below starts: a fresh prefix takes a while.
  "$source/cmake/wine-prefix.sh" "$prefix"
  "$runner" "$prefix" "$work/tessavia.exe" &
  program_pid=$!
  window="$(timeout 90 xdotool search --sync --onlyvisible --name '^Tessavia$' | head -1)" || fail "no window"
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  sleep 1
}

# Types text as a user does. xdotool reads it in its own locale, which must know UTF-8 whatever
# system language Wine is given.
type_text() { LC_ALL=C.UTF-8 xdotool type --delay 50 "$1"; }

# Presses keys one after the other, as a user does, giving the program time for each.
press() {
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 1
  done
}

# Runs a check every half second until it succeeds, for up to 30 seconds.
wait_until() {
  local tries
  for tries in $(seq 60); do
    "$@" && return 0
    sleep 0.5
  done
  return 1
}

# One line a child window of the program's window: class, screen rectangle, text.
window_lines() { "$runner" "$prefix" "$probe" window | tr -d '\r'; }

# The texts of the windows of a class (Edit for the path box, the runtime's own class for labels).
texts_of_class() { window_lines | awk -F'\t' -v c="$1" 'tolower($1) == tolower(c) { print $3 }'; }

# The centre of the first window of a class, as "x y" on the screen.
centre_of_class() {
  window_lines | awk -F'\t' -v c="$1" 'tolower($1) == tolower(c) { split($2, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}

# Closes the window with Esc and checks that the program ended with exit code 0.
stop_program() {
  xdotool key --clearmodifiers Escape
  local code=0
  timeout 30 tail --pid="$program_pid" -f /dev/null || fail "still running after Esc"
  wait "$program_pid" || code=$?
  program_pid=""
  [ "$code" -eq 0 ] || fail "exit code $code after Esc"
}

# Seconds since midnight of a time of day shown as "9时5分0秒".
seconds_of_text() {
  local h m s
  IFS=' ' read -r h m s <<<"$(sed -E 's/^([0-9]+)时([0-9]+)分([0-9]+)秒.*/\1 \2 \3/' <<<"$1")"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

# Checks that a shown time of day is within a few seconds of the clock now.
expect_time_near_now() {
  local shown now difference
  shown="$(seconds_of_text "$1")"
  now=$(( $(date +%s) - $(date -d "$(date +%F)" +%s) ))
  difference=$(( (now - shown + 86400) % 86400 ))
  [ "$difference" -le 5 ] || fail "time '$1' is ${difference}s away from now"
}
