#!/usr/bin/env bash
# Builds and runs every test: native engine tests (plain and sanitised) and the Windows tests under
# Wine on a virtual display. Ends with one line "tests: N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
jobs=$(nproc)
configure_flags=()
[ -n "${CI:-}" ] && configure_flags=(-DTESSAVIA_WERROR=ON)

passed=0
failed=0
broken=0
step() { printf '\n==== %s\n' "$*"; }
build() {  # preset
  cmake --preset "$1" "${configure_flags[@]}" >/dev/null && cmake --build --preset "$1" -j "$jobs"
}
# Runs ctest (arguments as given, optionally behind a wrapper) and adds its counts to the totals.
count_ctest() {
  local log
  log=$(mktemp)
  "$@" 2>&1 | tee "$log"
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    broken=1
    return
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

step "native engine tests"
if build native; then count_ctest ctest --preset native -j "$jobs"; else broken=1; fi

step "native engine tests under AddressSanitizer and UndefinedBehaviorSanitizer"
if build native-asan; then count_ctest ctest --preset native-asan -j "$jobs"; else broken=1; fi

step "Windows tests under Wine, on one virtual display"
export WINEDEBUG=-all
if build windows; then
  count_ctest xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows -j "$jobs"
else
  broken=1
fi

step "summary"
[ "$broken" -eq 0 ] || echo "a build or test run did not complete"
echo "tests: $passed passed, $failed failed"
[ "$broken" -eq 0 ] && [ "$failed" -eq 0 ]
