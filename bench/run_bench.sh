#!/bin/sh
# Times a run of 1,000,000 format-2 records against the yardstick program (the bare job:
# parse, convert, write), and compares the peak resident memory of runs of 1,000 and of
# 1,000,000 records. Each program runs five times, interleaved; the best time counts.
# Targets: the run takes at most 1.5 times the yardstick's time, and its peak memory for
# 1,000,000 records is within 1 MB of that for 1,000.
# Then the plots: the program itself runs 1,000,000 format-4 records over 1,000 core
# sections with the section pages and the statistics page, against the same records with
# both plots off, its answers on standard input and its console thrown away. Targets: the
# run with plots takes at most 1.5 times the run without, its peak memory is within 1 MB
# of a run of 1,000 records with plots, and its plot file renders in Ghostscript.
# Last, the errors: the program runs 1,000,000 format-2 records of which every other one is
# reported in an error frame (its pause answered), against the 1,000,000 valid records of the
# first part; both without plots, their console thrown away. Target: the run with errors takes
# at most 3.8 times the processor time of the valid run. Measured here: about 4 before failure
# reports were held outside frames, about 5 when every frame head wrote the console out, 3.5
# since frames and questions look only at the files written and a pause writes the console
# out once.
#   usage: bench/run_bench.sh [BUILD_DIR]      (default: build)
set -eu
build=${1:-build}
cmake --build "$build" --target bench_generate bench_yardstick bench_run bench_measure >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT INT TERM

"$build/bench/bench_generate" 1000000 "$dir/big.txt"
"$build/bench/bench_generate" 1000 "$dir/small.txt"
"$build/bench/bench_generate" 1000000 "$dir/cores.txt" 1000
"$build/bench/bench_generate" 1000 "$dir/core.txt" 1
"$build/bench/bench_generate" 1000000 "$dir/errors.txt" 0 2

# measure PROGRAM DATA RESULTS: appends "seconds kilobytes processor-seconds" to $dir/PROGRAM-DATA.
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
status=0
awk -v ty="$1" -v tr="$4" -v mbig="$5" -v msmall="$8" 'BEGIN {
  ratio = tr / ty; grow = mbig - msmall
  printf "1,000,000 records: yardstick %.3f s, run %.3f s, ratio %.2f (target <= 1.5)\n", ty, tr, ratio
  printf "peak memory of the run: %d KB for 1,000 records, %d KB for 1,000,000 (growth %d KB, target <= 1024)\n", msmall, mbig, grow
  exit !(ratio <= 1.5 && grow <= 1024)
}' || status=1

# The program's answers: the banner's RETURN, format 4, the plot switches, command 1000
# with the data and results files; with plots, the page format and the plot file's name
# before the run, the new page asked at each of the SECTIONS - 1 section changes and before
# the statistics page, and the RETURN that closes the plot file at 9999.
#   answers DATA RESULTS PLOTS SECTIONS
answers() {
  if [ "$3" = on ]; then
    printf '\n52\n4\n1000\n\n%s\n%s\n%s\n' "$dir/plot.ps" "$1" "$2"
    awk -v n="$4" 'BEGIN { for (i = 0; i < n; i++) print "" }'
    printf '9999\n\n'
  else
    printf '\n52\n4\n21\nn\n31\nn\n1000\n%s\n%s\n9999\n' "$1" "$2"
  fi
}
# plots DATA SECTIONS on|off: appends "seconds kilobytes processor-seconds" to $dir/plots-on-DATA
# or plots-off-DATA.
plots() {
  answers "$dir/$1" "$dir/plots.out" "$3" "$2" >"$dir/answers"
  rm -f "$dir/plots.out" "$dir/plot.ps"
  (cd "$dir" && "$tools/bench_measure" "$program" <answers >>"plots-$3-$1" 2>/dev/null) ||
    { echo "the program failed on $1 with plots $3"; exit 1; }
}
tools=$(cd "$build/bench" && pwd)
program=$(cd "$build" && pwd)/kelvorastrim
plots core.txt 1 on
for i in 1 2 3 4 5; do
  plots cores.txt 1000 off
  plots cores.txt 1000 on
done
# The plot file of the last run with plots.
gs -q -dSAFER -dBATCH -dNOPAUSE -sPAPERSIZE=a4 -sDEVICE=nullpage "$dir/plot.ps" >"$dir/gs.out" 2>&1 &&
  ! grep -q Error "$dir/gs.out" && rendered=yes || rendered=no
pages=$(grep -c '^%%Page:' "$dir/plot.ps")

set -- $(best "$dir/plots-off-cores.txt") $(best "$dir/plots-on-cores.txt") $(best "$dir/plots-on-core.txt")
awk -v toff="$1" -v ton="$4" -v mbig="$5" -v msmall="$8" -v rendered="$rendered" -v pages="$pages" 'BEGIN {
  ratio = ton / toff; grow = mbig - msmall
  printf "1,000,000 format-4 records over 1,000 sections: plots off %.3f s, plots on %.3f s, ratio %.2f (target <= 1.5)\n", toff, ton, ratio
  printf "peak memory with plots: %d KB for 1,000 records, %d KB for 1,000,000 (growth %d KB, target <= 1024)\n", msmall, mbig, grow
  printf "plot file: %d pages, rendered by Ghostscript: %s\n", pages, rendered
  exit !(ratio <= 1.5 && grow <= 1024 && rendered == "yes")
}' || status=1

# errors DATA FRAMES: appends "seconds kilobytes processor-seconds" to $dir/errors-DATA; the
# program's answers are format 2 without plots, the files, a RETURN for each of the FRAMES
# error frames' pauses, and 9999.
errors() {
  { printf '\n52\n2\n21\nn\n1000\n%s\n%s\n' "$dir/$1" "$dir/errors.out"
    awk -v n="$2" 'BEGIN { for (i = 0; i < n; i++) print "" }'
    printf '9999\n'; } >"$dir/answers"
  rm -f "$dir/errors.out"
  (cd "$dir" && "$tools/bench_measure" "$program" <answers >>"errors-$1" 2>/dev/null) ||
    { echo "the program failed on $1"; exit 1; }
}
for i in 1 2 3 4 5; do
  errors big.txt 0
  errors errors.txt 500000
done
bestcpu() { sort -n -k3 "$1" | head -1; }
set -- $(bestcpu "$dir/errors-big.txt") $(bestcpu "$dir/errors-errors.txt")
awk -v tvalid="$3" -v terrors="$6" 'BEGIN {
  ratio = terrors / tvalid
  printf "1,000,000 format-2 records, every other one an error: processor %.3f s, valid records %.3f s, ratio %.2f (target <= 3.8)\n", terrors, tvalid, ratio
  exit !(ratio <= 3.8)
}' || status=1
exit $status
