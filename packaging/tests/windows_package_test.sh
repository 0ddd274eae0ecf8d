#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the Windows ZIP and installer from the build folder and checks them under wine as a user
# would meet them: the ZIP's contents; a silent install into a temporary folder, its files and
# its Start-menu shortcut (target, working folder); the program started once as the shortcut
# starts it, answering a lookup from the installed directory; then a silent uninstall that leaves
# nothing behind (folder, shortcut, registry keys).
# Runs in the wine window session (DISPLAY, WINEPREFIX and VANTREL_WINE set).
# Usage: windows_package_test.sh BUILD_FOLDER SHORTCUT_RUN_EXE
set -euo pipefail
build=$(realpath "$1")
shortcut_run=$(realpath "$2")
source_dir=$(realpath "$(dirname "$0")/../..")
source "$source_dir/lookup/testing/record_layout.sh"
started=$SECONDS

failures=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAIL: $1"; echo "  expected: $(printf %q "$2")"; echo "  actual:   $(printf %q "$3")"
    failures=$((failures + 1))
  fi
}
fail() { echo "FAIL: $*"; exit 1; }
yes_if() { if "$@"; then echo yes; else echo no; fi; }

for tool in cpack makensis unzip iconv; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps.sh installs it"
done
wine=${VANTREL_WINE:-}
[ -n "$wine" ] && [ -x "$wine" ] || fail "no wine loader (VANTREL_WINE); run in the wine window session"
[ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || fail "no wine prefix (WINEPREFIX)"
[ -n "${DISPLAY:-}" ] || fail "no display (DISPLAY)"
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }  # wine's drive Z: is the Linux root
run_wine() { "$wine" "$@" </dev/null 2>>"$work/wine.log"; }
registry_key_exists() { run_wine reg.exe query "$1" >/dev/null 2>&1; }

app="Vantrel Area Code"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app"
vendor_key="HKLM\\Software\\Vantrel"
files=(LICENSE.txt README.md cities.txt copyright.txt metro.txt vantrel-area-code.exe)
shortcuts() {
  find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/$app*" -print 2>/dev/null | sort
}

# An earlier run that failed half-way leaves an installation, which the installer would offer to
# remove in a box that a silent install cannot answer.
if registry_key_exists "$uninstall_key"; then
  echo "removing what an earlier run left installed"
  run_wine reg.exe delete "$uninstall_key" /f >/dev/null || true
  shortcuts | while read -r left; do rm -rf "$left"; done
fi

echo "== the packages"
(cd "$build" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
zip=$(ls "$work"/package/vantrel-area-code-*-windows-x64.zip)
installer=$(ls "$work"/package/vantrel-area-code-*-windows-x64.exe) ||
  fail "no installer was made (is makensis found?)"
echo "ZIP $(basename "$zip") $(stat -c %s "$zip") bytes, installer $(basename "$installer") $(stat -c %s "$installer") bytes"

top=$(basename "$zip" .zip)
expected_listing=$(printf "$top/%s\n" "${files[@]}")
check "the ZIP holds one folder with the program, its data, licence and copyright" \
  "$expected_listing" "$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)"
unzip -q "$zip" -d "$work/unzipped"
for file in cities.txt metro.txt README.md; do
  check "the ZIP's $file is the shipped one" yes \
    "$(yes_if cmp -s "$work/unzipped/$top/$file" "$source_dir/data/$file")"
done

# Statically linked: the program needs no DLL but the system's.
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v objdump)
check "the program needs no MinGW run-time DLL" "" \
  "$("$objdump" -p "$work/unzipped/$top/vantrel-area-code.exe" |
     sed -n 's/^\s*DLL Name: //p' | grep -iE 'libstdc|libgcc|libwinpthread|msvcp|vcruntime' || true)"

echo "== silent install"
# The installer takes /D= only unquoted, and wine quotes an argument that holds a blank.
install_dir="$work/VantrelAreaCode"
run_wine "$installer" /S "/D=$(windows_path "$install_dir")" || fail "the installer failed ($?)"
check "installed files" "$(printf '%s\n' "${files[@]}" Uninstall.exe | LC_ALL=C sort)" \
  "$(cd "$install_dir" && find . -type f -printf '%P\n' | LC_ALL=C sort)"
for file in "${files[@]}"; do
  check "installed $file is the ZIP's" yes \
    "$(yes_if cmp -s "$install_dir/$file" "$work/unzipped/$top/$file")"
done
check "the uninstall entry is registered" yes "$(yes_if registry_key_exists "$uninstall_key")"
registry_value() {  # registry_value KEY NAME: the value's data, as reg.exe lists it
  run_wine reg.exe query "$1" /v "$2" | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}
check "the entry names the program" "$app" "$(registry_value "$uninstall_key" DisplayName)"
check "the entry names version 1.00" 1.00 "$(registry_value "$uninstall_key" DisplayVersion)"

shortcut=$(shortcuts | grep "/$app.lnk\$" || true)
check "one Start-menu shortcut" 1 "$(grep -c . <<<"$shortcut" || true)"
check "no menu entries on the host" no \
  "$(yes_if test -e "${XDG_DATA_HOME:-$HOME/.local/share}/applications/wine/Programs/$app")"

# Started as the shortcut starts it; the program finds its data only in its install folder.
line=$(iconv -f cp1252 -t utf-8 "$install_dir/cities.txt" | tr -d '\r' |
  awk -v start="$code_start" -v count="$code_length" 'substr($0, start, count) == "212"')
if [ -n "$shortcut" ]; then
  (cd "$work" && run_wine "$shortcut_run" "$(windows_path "$shortcut")" 212) >"$work/run.txt" ||
    cat "$work/run.txt"
fi
field() { sed -n "s/^$1 //p" "$work/run.txt" 2>/dev/null | tr -d '\r'; }
check "the shortcut starts the installed program" \
  "$(windows_path "$install_dir")\\vantrel-area-code.exe" "$(field target)"
check "the shortcut starts it in the install folder" "$(windows_path "$install_dir")" \
  "$(field folder)"
check "started from the shortcut, it answers from the installed directory" \
  "${line:region_start-1:region_length}   ${line:city_start-1:city_length}" "$(field result)"
check "Exit ends it with status 0" 0 "$(field status)"

echo "== silent uninstall"
run_wine "$install_dir/Uninstall.exe" /S || fail "the uninstaller failed ($?)"
# The uninstaller finishes from a copy of itself in the temporary folder, after the first one ends.
for _ in $(seq 300); do
  [ ! -e "$install_dir" ] && [ -z "$(shortcuts)" ] && break
  sleep 0.1
done
check "the install folder is gone" no "$(yes_if test -e "$install_dir")"
check "the Start-menu folder is gone" "" "$(shortcuts)"
check "the uninstall entry is gone" no "$(yes_if registry_key_exists "$uninstall_key")"
check "the program's registry key is gone" no "$(yes_if registry_key_exists "$vendor_key")"

echo "package test took $((SECONDS - started)) s"
if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all package checks passed"
