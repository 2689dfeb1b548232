#!/usr/bin/env bash
# `make fuzz`: runs each libFuzzer harness for a bounded time, or for a number of executions.
#   fuzz/run.sh BUILD_DIR SECONDS [RUNS]
# New inputs are kept in BUILD_DIR/fuzz-corpus/<harness>, beside the seeds of fuzz/seeds (and, for
# the project file, the example projects), so a later run starts where this one stopped. A crash,
# a sanitizer report, a broken invariant or an input that takes longer than 10 s fails the run;
# the input is kept as BUILD_DIR/fuzz-artifacts/<harness>-crash-... and becomes a regression test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
seconds="${2:-60}"
runs="${3:--1}"
[ "$runs" -ge 0 ] && seconds=0 # a number of executions, however long they take

status=0
for harness in projectfile inifile number; do
    corpus="$build/fuzz-corpus/$harness"
    log="$build/fuzz-$harness.log"
    mkdir -p "$corpus" "$build/fuzz-artifacts"
    seeds=("$root/fuzz/seeds/$harness")
    [ "$harness" = projectfile ] && seeds+=("$root/examples")
    if "$build/bin/fuzz_$harness" -max_total_time="$seconds" -runs="$runs" \
        -dict="$root/fuzz/$harness.dict" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$harness-" "$corpus" "${seeds[@]}" \
        >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        tail -n 40 "$log"
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$harness: $result, ${execs:-?} executions (log: $log)"
done
exit $status
