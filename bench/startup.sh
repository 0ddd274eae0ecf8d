#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Start-up time and memory of the program against a minimal Qt window of the same size, under
# a private Xvfb at 96 dpi. Measures only; prints the figures.
# Usage: bench/startup.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/bench}")
runs=${2:-20}

work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb

"$build/bench/startup_watch" "$runs" "$PWD/data" \
  "$build/bench/minimal_window" "$build/bench/minimal_text_window" \
  "$build/window/vantrel-area-code"
