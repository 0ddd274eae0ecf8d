#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs one fuzz target with the given options, keeping its output in LOG, and prints its final
# figures: how many inputs it ran, how fast, and how far its coverage got. An input that fails is
# kept under the artifact prefix given; commit it under regressions/<target> once the fault is
# mended, so that the replay test runs it for good.
# Usage: run_fuzzer.sh LOG TARGET [OPTION | CORPUS]...
set -uo pipefail
log=$1
shift
"$@" >"$log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then tail -n 60 "$log"; fi
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
echo "$(basename "$2"): ${executions:-?} executions, ${rate:-?} per second, ${coverage:-cov: ?}"
exit "$status"
