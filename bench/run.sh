#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the benchmark preset and runs every benchmark once. Measures only; never fails on a
# figure. Needs what scripts/test.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null
echo "== directory scan and lookup memory"
build/bench/bench/directory_scan data/cities.txt
echo "== start-up"
bench/startup.sh build/bench 20
echo "== start-up under wine: the Windows program against a minimal native window"
source bench/windows_release.sh
windows_release "$PWD" "$PWD/build/windows-bench" vantrel-area-code minimal_native_window
bench/startup_wine.sh build/bench build/windows-bench 20
echo "== start-up with a long metro list, Linux and under wine"
bench/long_metro_list.sh build/bench build/windows-bench
echo "== number rules and a lookup of the shipped size"
build/bench/bench/lookup_bench --benchmark_min_time=0.2
