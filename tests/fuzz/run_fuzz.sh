#!/usr/bin/env bash
# Runs one fuzz target: run_fuzz.sh FUZZER SEEDS WORK SECONDS [more libFuzzer flags].
#
# The seed corpus is only read: inputs the run finds go to WORK/corpus, which starts empty, and
# a crashing input is written to WORK/ (its path is printed). The random seed is fixed, so a run
# takes the same path from the same seeds as far as the time allows.
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/corpus"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../lsan.supp}
exec "$fuzzer" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus" "$seeds"
