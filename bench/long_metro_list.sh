#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Start-up time of the program with a metro file of 10,000, 100,000 and 1,000,000 lines, whose
# list the window fills before it is shown: the Qt program on Linux and the Windows program under
# wine, in one run on one private Xvfb, each against the Qt program on the same file, and, for
# what wine itself takes to start, the minimal native window. Measures only; prints the figures.
# Usage: bench/long_metro_list.sh [LINUX_BUILD_FOLDER] [WINDOWS_BUILD_FOLDER] [RUNS] [OTHER...]
# Defaults: build/bench, build/windows-bench, 5 runs. The programs of OTHER build folders, Linux
# or Windows (another version, say), are measured in the same run, named after their folder.
# A program that shows no window within STARTUP_WATCH_TIMEOUT seconds (here 120) is said so.
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=$(realpath "${1:-build/bench}")
windows_build=$(realpath "${2:-build/windows-bench}")
runs=${3:-5}
others=("${@:4}")
watch=$linux_build/bench/startup_watch
for file in "$watch" "$linux_build/window/vantrel-area-code" \
  "$windows_build/window/win32/vantrel-area-code.exe" "$windows_build/bench/minimal_native_window.exe"; do
  [ -x "$file" ] || { echo "missing $file; bench/run.sh builds it" >&2; exit 1; }
done
export STARTUP_WATCH_TIMEOUT=${STARTUP_WATCH_TIMEOUT:-120}

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$windows_build/wine-bench-prefix
source bench/wine_session.sh
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Named after their folder: a Linux program by a link, a Windows one by its launcher.
program_in() {
  local name
  name=vantrel-area-code@$(basename "$1")
  if [ -x "$1/window/win32/vantrel-area-code.exe" ]; then
    wine_launcher "$name" "$1/window/win32/vantrel-area-code.exe"
  else
    ln -s "$1/window/vantrel-area-code" "$work/$name"
    echo "$work/$name"
  fi
}
programs=("$(program_in "$linux_build")" "$(program_in "$windows_build")"
          "$(wine_launcher minimal_native_window "$windows_build/bench/minimal_native_window.exe")")
for other in "${others[@]}"; do programs+=("$(program_in "$(realpath "$other")")"); done
"$watch" 1 "$PWD/data" "${programs[@]}" >/dev/null  # the first starts load the caches

for lines in 10000 100000 1000000; do
  folder=$work/metro-$lines
  mkdir "$folder"
  cp data/cities.txt "$folder/"
  # The shipped file's lines over and over, as they are: CRLF and all.
  LC_ALL=C awk -v lines="$lines" '{ line[NR] = $0 } END { for (i = 0; i < lines; ++i) print line[i % NR + 1] }' \
    data/metro.txt >"$folder/metro.txt"
  echo "== metro.txt of $lines lines"
  "$watch" "$runs" "$folder" "${programs[@]}"
done
