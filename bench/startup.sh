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
source bench/private_xvfb.sh
export QT_QPA_PLATFORM=xcb

"$build/bench/startup_watch" "$runs" "$PWD/data" \
  "$build/bench/minimal_window" "$build/bench/minimal_text_window" \
  "$build/window/vantrel-area-code"
