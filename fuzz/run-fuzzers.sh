#!/usr/bin/env bash
# Runs every fuzzer for the same time, one after the other, starting from its committed seeds,
# and prints each one's speed and coverage. Any crash, leak, broken property, undefined
# behaviour or hang fails the run; the input that caused it is kept under WORK_DIR/artifacts.
# Usage: run-fuzzers.sh BIN_DIR SECONDS WORK_DIR
set -uo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 BIN_DIR SECONDS WORK_DIR" >&2
    exit 2
fi
bin_dir=$1
seconds=$2
work=$3
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
fuzzers=(fuzz_sign_lookup fuzz_pair_rule fuzz_birth_data_check fuzz_referral_address fuzz_cli_date fuzz_cli_batch)

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$work/artifacts"
failed=()
summary=()
for fuzzer in "${fuzzers[@]}"; do
    if [ ! -x "$bin_dir/$fuzzer" ]; then
        echo "run-fuzzers: $bin_dir/$fuzzer is not built" >&2
        failed+=("$fuzzer")
        continue
    fi
    # New inputs go to a corpus folder of the build, so the committed seeds stay as they are
    # and the next run starts from what this one found.
    mkdir -p "$work/corpus/$fuzzer"
    log=$work/$fuzzer.log
    echo "run-fuzzers: $fuzzer for ${seconds}s (log: $log)"
    "$bin_dir/$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/$fuzzer-" \
        "$work/corpus/$fuzzer" "$seeds/$fuzzer" >"$log" 2>&1
    status=$?
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")
    if [ $status -ne 0 ] || [ -z "$done_line" ]; then
        tail -n 40 "$log"
        echo "run-fuzzers: $fuzzer FAILED (exit $status)"
        failed+=("$fuzzer")
        continue
    fi
    summary+=("$(printf '%-24s %12s %10s %8s %8s' "$fuzzer" "${runs:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}")")
done

printf '\n%-24s %12s %10s %8s %8s\n' fuzzer executions exec/s cov ft
for line in "${summary[@]}"; do
    echo "$line"
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "run-fuzzers: failed: ${failed[*]}"
    exit 1
fi
