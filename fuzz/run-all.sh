#!/usr/bin/env bash
# Runs every harness of a fuzz build for SECONDS each, starting from its seed corpus in
# fuzz/corpus/<harness>. What a run adds goes to BUILD/corpus/<harness>, so the seeds stay
# as committed; an input that breaks an invariant or crashes is kept in BUILD/artifacts.
#
#     fuzz/run-all.sh BUILD SECONDS
set -euo pipefail

build=$1
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
harnesses=(qvx_record qvx_open image_decoder measurement transfer_protocol virtual_processor)

failed=()
for harness in "${harnesses[@]}"; do
    work=$build/corpus/$harness
    artifacts=$build/artifacts/$harness/
    log=$build/$harness.log
    mkdir -p "$work" "$artifacts"
    echo "== $harness, $seconds s"
    if ! "$build/fuzz/${harness}_fuzzer" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "$seeds/$harness" \
        >"$log" 2>&1; then
        failed+=("$harness")
        tail -n 60 "$log"
    fi
    grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec' "$log" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts)"
    exit 1
fi
