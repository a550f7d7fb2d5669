#!/usr/bin/env bash
# Builds and runs every test: native engine tests (plain and sanitised), a bounded run of every fuzz
# target, and the Windows tests under Wine on a virtual display. Ends with one line "tests: N passed, M failed".
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

step "fuzz targets (libFuzzer), each for a bounded time"
# Each target counts as one test: it passes when its run ends without finding a failing input.
if build fuzz; then
  fuzz_dir=$(mktemp -d)
  for target in build/fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    mkdir -p "$fuzz_dir/$name"
    if "$target" -max_total_time="${FUZZ_SECONDS:-15}" -print_final_stats=1 -artifact_prefix="$fuzz_dir/$name-" \
        "$fuzz_dir/$name" >"$fuzz_dir/$name.log" 2>&1; then
      echo "$name: passed ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$fuzz_dir/$name.log" | grep -o '[0-9]*$') runs)"
      passed=$((passed + 1))
    else
      tail -40 "$fuzz_dir/$name.log"
      echo "$name: FAILED (failing input kept in $fuzz_dir)"
      failed=$((failed + 1))
    fi
  done
else
  broken=1
fi

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
