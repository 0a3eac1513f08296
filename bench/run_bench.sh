#!/bin/sh
# Times a run of 1,000,000 format-2 records against the yardstick program (the bare job:
# parse, convert, write), and compares the peak resident memory of runs of 1,000 and of
# 1,000,000 records. Each program runs five times, interleaved; the best time counts.
# Targets: the run takes at most 1.5 times the yardstick's time, and its peak memory for
# 1,000,000 records is within 1 MB of that for 1,000.
#   usage: bench/run_bench.sh [BUILD_DIR]      (default: build)
set -eu
build=${1:-build}
cmake --build "$build" --target bench_generate bench_yardstick bench_run bench_measure >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT INT TERM

"$build/bench/bench_generate" 1000000 "$dir/big.txt"
"$build/bench/bench_generate" 1000 "$dir/small.txt"

# measure PROGRAM DATA RESULTS: appends "seconds kilobytes" to $dir/PROGRAM-DATA.
measure() {
  rm -f "$3"
  "$build/bench/bench_measure" "$1" "$2" "$3" 2>/dev/null >>"$dir/$(basename "$1")-$(basename "$2")"
}

for i in 1 2 3 4 5; do
  measure "$build/bench/bench_yardstick" "$dir/big.txt" "$dir/yard.out"
  measure "$build/bench/bench_run" "$dir/big.txt" "$dir/run.out"
done
measure "$build/bench/bench_run" "$dir/small.txt" "$dir/small.out"

# The same records come out of both, so both did the same job.
tail -n +3 "$dir/run.out" | cmp -s - "$dir/yard.out" || { echo "the run and the yardstick disagree"; exit 1; }

best() { sort -n "$1" | head -1; }
set -- $(best "$dir/bench_yardstick-big.txt") $(best "$dir/bench_run-big.txt") $(best "$dir/bench_run-small.txt")
awk -v ty="$1" -v tr="$3" -v mbig="$4" -v msmall="$6" 'BEGIN {
  ratio = tr / ty; grow = mbig - msmall
  printf "1,000,000 records: yardstick %.3f s, run %.3f s, ratio %.2f (target <= 1.5)\n", ty, tr, ratio
  printf "peak memory of the run: %d KB for 1,000 records, %d KB for 1,000,000 (growth %d KB, target <= 1024)\n", msmall, mbig, grow
  exit !(ratio <= 1.5 && grow <= 1024)
}'
