#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Start-up time and memory of the Windows program under wine against a minimal native window
# showing one label, in the same run: a warm wine session of its own on a private Xvfb at 96 dpi.
# Then the size of both executables. Measures only; prints the figures.
# Usage: bench/startup_wine.sh [WATCH_BUILD_FOLDER] [WINDOWS_BUILD_FOLDER] [RUNS]
# WATCH_BUILD_FOLDER (default build/bench) holds startup_watch, WINDOWS_BUILD_FOLDER (default
# build/windows-bench) the two executables.
set -euo pipefail
cd "$(dirname "$0")/.."
watch=$(realpath "${1:-build/bench}")/bench/startup_watch
windows_build=$(realpath "${2:-build/windows-bench}")
runs=${3:-20}
program=$windows_build/window/win32/vantrel-area-code.exe
baseline=$windows_build/bench/minimal_native_window.exe
for file in "$watch" "$program" "$baseline"; do
  [ -x "$file" ] || { echo "missing $file; bench/run.sh builds it" >&2; exit 1; }
done
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || { echo "wine is missing; scripts/install-deps.sh test installs it" >&2; exit 1; }

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
source bench/private_xvfb.sh

# A prefix of the benchmark's own, made with the display set; without a window manager, hidden
# windows would otherwise wait to be unmapped.
export WINEPREFIX=$windows_build/wine-bench-prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.ready" ]; then
  "$wine" wineboot.exe --init >/dev/null 2>&1
  "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  touch "$WINEPREFIX/.ready"
fi
wineserver -w  # the session that made the prefix ends first
# One warm session for every start, as a user's desktop has: the server stays up between them.
wineserver -p </dev/null >/dev/null || { echo "wineserver did not start" >&2; exit 1; }
"$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1

# startup_watch starts programs without arguments: one launcher each, named after the program.
for exe in "$baseline" "$program"; do
  printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine" "$exe" >"$work/$(basename "$exe" .exe)"
  chmod +x "$work/$(basename "$exe" .exe)"
done
launchers=("$work/minimal_native_window" "$work/vantrel-area-code")
"$watch" 1 "$PWD/data" "${launchers[@]}" >/dev/null  # the first starts load the session's caches
"$watch" "$runs" "$PWD/data" "${launchers[@]}"
echo "executable size as built, and stripped as the packages carry it"
strip=$(command -v x86_64-w64-mingw32-strip || echo strip)
for exe in "$baseline" "$program"; do
  "$strip" -o "$work/stripped.exe" "$exe"
  printf '  %-20s %8d bytes   stripped %8d bytes\n' "$(basename "$exe" .exe)" \
    "$(stat -c %s "$exe")" "$(stat -c %s "$work/stripped.exe")"
done
