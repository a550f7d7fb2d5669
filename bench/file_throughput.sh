#!/usr/bin/env bash
# Times tessavia-convert on a GBK file in the page cache against `cat FILE > /dev/null`, per kind,
# and its peak memory on a 4 GiB stream. Prints figures and asserts nothing; not run in CI.
# Usage: bench/file_throughput.sh [SIZE_MIB]   (default 1024; the file goes into $TMPDIR or /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
size_mib=${1:-1024}
cmake --preset bench >/dev/null
cmake --build --preset bench -j 2 >/dev/null
converter=build/bench/cli/tessavia-convert
make_sample=build/bench/bench/tessavia_make_sample
file=$(mktemp "${TMPDIR:-/tmp}/tessavia-sample.XXXXXX")
trap 'rm -f "$file"' EXIT
"$make_sample" $((size_mib << 20)) >"$file"
cat "$file" >/dev/null  # into the page cache

# Best of three wall-clock seconds for a command line.
best_of_3() {
  local best="" t
  for _ in 1 2 3; do
    t=$( { /usr/bin/env time -f %e "$@" >/dev/null; } 2>&1 | tail -1)
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}
rate() { awk -v mib="$size_mib" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? mib * 1.048576 / s : 0) }'; }

cat_seconds=$(best_of_3 sh -c "cat '$file' >/dev/null")
echo "file: $size_mib MiB of GBK prose in the page cache"
printf '%-16s %8s %8s %12s\n' "command" "seconds" "MB/s" "share of cat"
printf '%-16s %8s %8s %12s\n' "cat" "$cat_seconds" "$(rate "$cat_seconds")" "1.00"
for kind in t2s s2t gbk-big5 big5-gbk big5-gbk-simp gbk-sjis sjis-gbk; do
  seconds=$(best_of_3 sh -c "'$converter' --kind $kind '$file' >/dev/null")
  share=$(awk -v c="$cat_seconds" -v s="$seconds" 'BEGIN { printf "%.2f", (s > 0 ? c / s : 0) }')
  printf '%-16s %8s %8s %12s\n' "$kind" "$seconds" "$(rate "$seconds")" "$share"
done

# Bounded memory: 4 GiB through a pipe, peak resident set size in MiB.
peak_kib=$( { "$make_sample" $((4096 << 20)) | /usr/bin/env time -f %M "$converter" --kind t2s >/dev/null; } 2>&1 | tail -1)
echo "4 GiB through standard input: peak resident memory $((peak_kib / 1024)) MiB"
