#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds everything and runs every test. Installs what is missing first.
#   dev:     every unit, window and end-to-end test, the shipped-data checks and static analysis
#   asan:    the same suite under the address and undefined-behaviour sanitizers
#   fuzz:    each libFuzzer target for a bounded time (VANTREL_FUZZ_SECONDS, 30 by default)
#   windows: the native Windows program and its tests built with MinGW-w64, run under wine, the
#            window tests, end-to-end runs and the package test on an Xvfb of their own
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
jobs=$(nproc)

presets=(dev asan fuzz windows)
declare -A seconds
for preset in "${presets[@]}"; do
  echo "== Build and test: $preset"
  start=$SECONDS
  extra=()
  [ "$preset" = fuzz ] && extra=(-DVANTREL_FUZZ_SECONDS="${VANTREL_FUZZ_SECONDS:-30}")
  cmake --preset "$preset" "${extra[@]}"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
  seconds[$preset]=$((SECONDS - start))
done

echo "== Fuzzing, in ${VANTREL_FUZZ_SECONDS:-30} s per target"
for log in build/fuzz/lookup/fuzz/fuzz_*.log; do
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$(basename "$log" .log): ${executions:-?} executions, ${rate:-?} per second"
done

echo "== Time per preset (build and test)"
total=0
for preset in "${presets[@]}"; do total=$((total + seconds[$preset])); done
for preset in "${presets[@]}"; do
  printf "%-8s %5d s  %3d%% of %d s\n" "$preset" "${seconds[$preset]}" \
    $((100 * seconds[$preset] / (total > 0 ? total : 1))) "$total"
done
