#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Start-up time and memory of the Windows program under wine against a minimal native window
# showing one label, in the same run: a warm wine session of its own on a private Xvfb at 96 dpi.
# Then the size of both executables. Measures only; prints the figures.
# Usage: bench/startup_wine.sh [WATCH_BUILD_FOLDER] [WINDOWS_BUILD_FOLDER] [RUNS] [OTHER...]
# WATCH_BUILD_FOLDER (default build/bench) holds startup_watch, WINDOWS_BUILD_FOLDER (default
# build/windows-bench) the two executables; the programs of OTHER Windows build folders (another
# version, say) are measured in the same run, named after their folder.
set -euo pipefail
cd "$(dirname "$0")/.."
watch=$(realpath "${1:-build/bench}")/bench/startup_watch
windows_build=$(realpath "${2:-build/windows-bench}")
runs=${3:-20}
others=("${@:4}")
program=$windows_build/window/win32/vantrel-area-code.exe
baseline=$windows_build/bench/minimal_native_window.exe
for file in "$watch" "$program" "$baseline"; do
  [ -x "$file" ] || { echo "missing $file; bench/run.sh builds it" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$windows_build/wine-bench-prefix
source bench/wine_session.sh

launchers=("$(wine_launcher minimal_native_window "$baseline")"
           "$(wine_launcher vantrel-area-code "$program")")
for other in "${others[@]}"; do
  launchers+=("$(wine_launcher "vantrel-area-code@$(basename "$other")" \
                 "$(realpath "$other")/window/win32/vantrel-area-code.exe")")
done
"$watch" 1 "$PWD/data" "${launchers[@]}" >/dev/null  # the first starts load the session's caches
"$watch" "$runs" "$PWD/data" "${launchers[@]}"
echo "executable size as built, and stripped as the packages carry it"
strip=$(command -v x86_64-w64-mingw32-strip || echo strip)
for exe in "$baseline" "$program"; do
  "$strip" -o "$work/stripped.exe" "$exe"
  printf '  %-20s %8d bytes   stripped %8d bytes\n' "$(basename "$exe" .exe)" \
    "$(stat -c %s "$exe")" "$(stat -c %s "$work/stripped.exe")"
done
