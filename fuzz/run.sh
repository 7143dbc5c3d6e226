#!/usr/bin/env bash
# Runs the fuzz targets built in BUILD (a VELORIX_FUZZ tree) for SECONDS each,
# on a scratch copy of the committed corpus, and prints each target's total
# runs.  Usage: fuzz/run.sh BUILD SECONDS [TARGET...]
#
# fuzz_parse_number spends a fifth of its time on inputs up to 110,000 bytes
# (the 100,000-digit seeds and their mutations) and the rest on inputs up to
# 512 bytes, where it runs many times faster.  fuzz_format_number reads at
# most 11 bytes.  A finding stops the run; its input is saved in
# BUILD/artifacts/ and the script fails.
set -euo pipefail

build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_parse_number fuzz_format_number)
here=$(cd "$(dirname "$0")" && pwd)

run() { # target max_len seconds log
    "$build/fuzz/$1" -max_len="$2" -max_total_time="$3" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$1-" "$build/scratch/$1" >"$4" 2>&1 || {
        grep -E 'check failed|input:|^  |ERROR|SUMMARY|Test unit written' "$4" >&2 || tail -20 "$4" >&2
        echo "$1: finding (log: $4)" >&2
        exit 1
    }
    sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$4"
}

mkdir -p "$build/artifacts" "$build/logs"
for target in "${targets[@]}"; do
    rm -rf "$build/scratch/$target"
    mkdir -p "$build/scratch"
    cp -r "$here/corpus/$target" "$build/scratch/$target"
    if [ "$target" = fuzz_parse_number ]; then
        long=$((seconds / 5))
        runs_long=$(run "$target" 110000 "$((long > 0 ? long : 1))" "$build/logs/$target-long.log")
        runs_short=$(run "$target" 512 "$((seconds - long > 0 ? seconds - long : 1))" \
            "$build/logs/$target-short.log")
        total=$((runs_long + runs_short))
        echo "$target: $total runs ($runs_long up to 110000 bytes, $runs_short up to 512 bytes) in ${seconds} s"
    else
        total=$(run "$target" 11 "$seconds" "$build/logs/$target.log")
        echo "$target: $total runs in ${seconds} s"
    fi
done
