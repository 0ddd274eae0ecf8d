#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Start-up time and memory of the program against a minimal Qt window of the same size, under
# a private Xvfb at 96 dpi. Measures only; prints the figures.
# Usage: bench/startup.sh [BUILD_FOLDER] [RUNS] [OTHER...]
# The programs of OTHER build folders (another version, say) are measured in the same run, named
# after their folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/bench}")
runs=${2:-20}
others=("${@:3}")

work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
source bench/private_xvfb.sh
export QT_QPA_PLATFORM=xcb
# Qt's own folder, which it would otherwise make in /tmp and say so at every start.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

programs=("$build/bench/minimal_window" "$build/bench/minimal_text_window"
          "$build/window/vantrel-area-code")
for other in "${others[@]}"; do
  ln -s "$(realpath "$other")/window/vantrel-area-code" "$work/vantrel-area-code@$(basename "$other")"
  programs+=("$work/vantrel-area-code@$(basename "$other")")
done
"$build/bench/startup_watch" "$runs" "$PWD/data" "${programs[@]}"
