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
cmake --preset windows -B build/windows-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DVANTREL_WARNINGS_AS_ERRORS=OFF -DVANTREL_BUILD_BENCH=ON -DVANTREL_STATIC_ANALYSIS=OFF >/dev/null
cmake --build build/windows-bench -j "$(nproc)" --target vantrel-area-code minimal_native_window \
  >/dev/null
bench/startup_wine.sh build/bench build/windows-bench 20
echo "== number rules and a lookup of the shipped size"
build/bench/bench/lookup_bench --benchmark_min_time=0.2
