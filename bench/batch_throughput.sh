#!/usr/bin/env bash
# amorist-cli batch over a file of generated couples, single-threaded: couples per second, CPU
# time (user + sys, less sensitive to a busy machine than the clock) and peak resident memory,
# for CSV and JSON Lines output written to /dev/null and piped into wc -c; then the same
# couples' readings one process at a time, reading --json called from a shell loop. Beside
# them, a plain read of the same file (wc -l), for the ratio; and 1 MiB of lines that each
# close a quote and open the next (a","x), which keep one record open to the end, beside
# 1 MiB of ordinary bad lines: both must take about the same time.
# Each figure is the median of RUNS runs. Usage: batch_throughput.sh AMORIST_CLI WORK_DIR
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 AMORIST_CLI WORK_DIR" >&2
    exit 2
fi
cli=$(realpath "$1")
work=$2
couples=${COUPLES:-1000000}
loop_couples=${LOOP_COUPLES:-1000}
runs=${RUNS:-3}
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$work"
input=$work/couples-$couples.csv
if [ ! -s "$input" ]; then
    awk -v n="$couples" -v seed=1 -f "$here/make_couples.awk" >"$input.part"
    mv "$input.part" "$input"
fi
hostile=$work/reopened-quotes.csv
ordinary_bad=$work/ordinary-bad-lines.csv
[ -s "$hostile" ] || awk 'BEGIN { for (i = 0; i < 174763; i++) print "a\",\"x" }' >"$hostile"
[ -s "$ordinary_bad" ] || awk 'BEGIN { for (i = 0; i < 174763; i++) print "a,b,c" }' >"$ordinary_bad"
# The loop's couples as plain tab-separated fields, for read to split.
loop_input=$work/couples-$loop_couples.tsv
awk -v n="$loop_couples" -v seed=2 -v tsv=1 -f "$here/make_couples.awk" >"$loop_input"

# One timed run of a command line; prints "seconds cpu_seconds peak_kib".
timed() {
    local report=$work/time.txt
    /usr/bin/time -f "%e %U %S %M" -o "$report" bash -c "$1"
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$report"
}

# The median run of RUNS, by wall-clock seconds.
median() {
    for ((i = 0; i < runs; i++)); do timed "$1"; done | sort -n | sed -n "$(((runs + 1) / 2))p"
}

row() {
    local what=$1 count=$2 seconds cpu peak
    read -r seconds cpu peak <<<"$3"
    awk -v what="$what" -v n="$count" -v s="$seconds" -v cpu="$cpu" -v kib="$peak" 'BEGIN {
        printf "%-34s %9d %8.2f %12.0f %8.2f %12.0f %9.1f\n", what, n, s, (s > 0 ? n / s : 0),
               cpu, (cpu > 0 ? n / cpu : 0), kib / 1024 }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %9s %8s %12s %8s %12s %9s\n' run couples seconds couples/s "cpu s" "couples/cpu s" "peak MiB"
row "wc -l (a plain read)" "$couples" "$(median "wc -l '$input' >/dev/null")"
row "batch CSV > /dev/null" "$couples" "$(median "'$cli' batch '$input' >/dev/null")"
row "batch CSV | wc -c" "$couples" "$(median "'$cli' batch '$input' | wc -c >/dev/null")"
row "batch --json > /dev/null" "$couples" "$(median "'$cli' batch --json '$input' >/dev/null")"
row "batch --json | wc -c" "$couples" "$(median "'$cli' batch --json '$input' | wc -c >/dev/null")"
row "reading --json, one per couple" "$loop_couples" "$(median "while IFS=\$'\t' read -r a b c d; do '$cli' reading --json -- \"\$a\" \"\$b\" \"\$c\" \"\$d\"; done <'$loop_input' >/dev/null")"
row "batch, 1 MiB of a\",\"x lines" 174763 "$(median "'$cli' batch '$hostile' >/dev/null 2>&1 || true")"
row "batch, 1 MiB of a,b,c lines" 174763 "$(median "'$cli' batch '$ordinary_bad' >/dev/null 2>&1 || true")"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "(wc -c rows count both processes' CPU; peak MiB is the largest process of the run)"
