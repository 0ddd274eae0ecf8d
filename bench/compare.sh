#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The start-up benchmarks of this tree and of another revision side by side, in the same runs:
# Linux, Windows under wine, and the long metro lists. The other revision is built in
# build/compare (its Linux benchmark preset and its Windows release, named after its commit). Measures only; prints
# the figures. Usage: bench/compare.sh [REV] [RUNS]   (defaults: main, 20)
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-main}
runs=${2:-20}
short=$(git rev-parse --short "$rev")
root=$PWD/build/compare
source bench/windows_release.sh

cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null
windows_release "$PWD" "$PWD/build/windows-bench" vantrel-area-code minimal_native_window
linux=$root/bench-$short
windows=$root/windows-bench-$short
rm -rf "$root/source-$short"
mkdir -p "$root/source-$short"
git archive "$rev" | tar -x -C "$root/source-$short"
(cd "$root/source-$short" && cmake --preset bench -B "$linux" >/dev/null)
cmake --build "$linux" -j "$(nproc)" --target vantrel-area-code >/dev/null
windows_release "$root/source-$short" "$windows" vantrel-area-code

echo "== start-up on Linux; @bench-$short is $rev"
bench/startup.sh build/bench "$runs" "$linux"
echo "== start-up under wine; @windows-bench-$short is $rev"
bench/startup_wine.sh build/bench build/windows-bench "$runs" "$windows"
echo "== start-up with a long metro list; the @...-$short are $rev"
bench/long_metro_list.sh build/bench build/windows-bench 5 "$linux" "$windows"
