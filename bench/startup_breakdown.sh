#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Where the Windows program's start-up time goes under wine: release builds of a revision that
# each leave out one step of the start, measured in one run against the program whole and the
# minimal native window. The variants are edits of a copy of the sources, made here and built in
# build/breakdown-REV; an edit that no longer applies to the sources is said so and left out.
# Measures only; prints the figures.
# Usage: bench/startup_breakdown.sh [REV] [RUNS]   (defaults: HEAD, 20; needs build/bench's
# startup_watch, which bench/run.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-HEAD}
runs=${2:-20}
watch=$PWD/build/bench/bench/startup_watch
[ -x "$watch" ] || { echo "missing $watch; bench/run.sh builds it" >&2; exit 1; }
root=$PWD/build/breakdown-$(git rev-parse --short "$rev")
source bench/windows_release.sh

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$root"
rm -rf "$root/source"
mkdir "$root/source"
git archive "$rev" | tar -x -C "$root/source"

# variant NAME FILE PERL-EDIT [FILE PERL-EDIT]...: the sources with the edits, built as NAME; each
# edit must change its file. The program is built, or the minimal window where `minimal=1` is set.
built=()
executables=()
variant() {
  local name=$1 source=$root/$1-source target=vantrel-area-code
  local executable=window/win32/vantrel-area-code.exe
  if [ "${minimal:-}" = 1 ]; then
    target=minimal_native_window executable=bench/minimal_native_window.exe
  fi
  shift
  rm -rf "$source"
  cp -r "$root/source" "$source"
  while [ $# -gt 0 ]; do
    cp "$source/$1" "$work/before-edit"
    perl -0pi -e "$2" "$source/$1"
    if cmp -s "$source/$1" "$work/before-edit"; then
      echo "$name: the edit of $1 no longer applies; left out" >&2
      return
    fi
    shift 2
  done
  windows_release "$source" "$root/$name" "$target"
  built+=("$name")
  executables+=("$root/$name/$executable")
}
windows_release "$root/source" "$root/program" vantrel-area-code minimal_native_window
# No accessible names: no subclass on the controls, and no COM or accessibility libraries.
accessibility=(window/win32/form1.cpp 's/NameForAssistiveTools\(/if (false) $&/g')
if grep -q ComApartment "$root/source/window/win32/program.cpp"; then  # COM started at every start
  accessibility+=(window/win32/program.cpp 's/^  const ComApartment com;\n//m'
                  window/win32/CMakeLists.txt 's/ oleacc ole32 oleaut32//')
fi
variant without-accessibility "${accessibility[@]}"
# The controls of Windows' first common controls, unthemed.
variant without-common-controls-6 window/win32/vantrel-area-code.manifest \
  's/\s*<dependency>.*<\/dependency>//s'
# Neither, so that comctl32 is not loaded at all, as the minimal window does without it.
variant without-comctl32 "${accessibility[@]}" window/win32/vantrel-area-code.manifest \
  's/\s*<dependency>.*<\/dependency>//s'
# Scaled by the system, as a program that does not scale itself is.
variant without-dpi-awareness window/win32/vantrel-area-code.manifest \
  's/\s*<application xmlns="urn:schemas-microsoft-com:asm.v3">.*?<\/application>//s'
# The system font in every control.
variant without-fonts window/win32/fonts.cpp 's/(HFONT CreateDialogFont\([^)]*\) \{)/$1\n  return nullptr;/'
# The system's default icon in the title bar.
variant without-icon window/win32/form1.cpp 's/::LoadIconW\(windowClass.hInstance, L"IDI_ICON1"\)/nullptr/'
# The minimal window that only loads comctl32: what the library costs by being loaded at all,
# which every program of common controls 6 pays, whatever controls it makes.
minimal=1 variant minimal-loading-comctl32 bench/minimal_native_window.cpp \
  's/^(  WNDCLASSW windowClass\{\};)/  LoadLibraryW(L"comctl32.dll");\n$1/m'

prefix=$root/wine-bench-prefix
source bench/wine_session.sh
launchers=("$(wine_launcher minimal_native_window "$root/program/bench/minimal_native_window.exe")"
           "$(wine_launcher program "$root/program/window/win32/vantrel-area-code.exe")")
for i in "${!built[@]}"; do
  launchers+=("$(wine_launcher "${built[i]}" "${executables[i]}")")
done
# Without the metro list: the program in a folder whose metro.txt is empty.
mkdir "$work/empty-metro"
cp data/cities.txt "$work/empty-metro/"
: >"$work/empty-metro/metro.txt"
printf '#!/bin/sh\ncd "%s" && exec "%s" "%s"\n' "$work/empty-metro" "$wine" \
  "$root/program/window/win32/vantrel-area-code.exe" >"$work/without-metro-list"
chmod +x "$work/without-metro-list"
launchers+=("$work/without-metro-list")

echo "== start-up of $(git rev-parse --short "$rev") under wine, whole and with one step left out"
"$watch" 1 "$PWD/data" "${launchers[@]}" >/dev/null  # the first starts load the session's caches
"$watch" "$runs" "$PWD/data" "${launchers[@]}"
