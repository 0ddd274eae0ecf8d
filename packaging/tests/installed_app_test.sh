#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the build into a temporary prefix and checks it as a desktop would use it: the desktop
# entry and metainfo validate, and the program started as the entry says (working folder from
# Path=, command from Exec=) answers from the installed directory. Then builds the Debian package
# and checks its contents and dependencies.
# Usage: installed_app_test.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
source "$(dirname "$0")/../../window/tests/x11_session.sh"
source "$(dirname "$0")/../../lookup/testing/record_layout.sh"
for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/test.sh installs it"; exit 1; }
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
entry=$prefix/share/applications/com.vantrel.AreaCode.desktop
metainfo=$prefix/share/metainfo/com.vantrel.AreaCode.metainfo.xml

check "desktop entry validates" "" "$(desktop-file-validate "$entry" 2>&1)"
appstreamcli validate --no-net --explain "$metainfo" >"$work/appstream.log" 2>&1 &&
  valid=yes || valid=no
check "metainfo validates" yes "$valid"
[ "$valid" = yes ] || cat "$work/appstream.log"
check "metainfo names version 1.00" 1 "$(grep -c 'release version="1.00"' "$metainfo")"
check "metainfo names the licence" 1 "$(grep -c '<project_license>Apache-2.0</project_license>' "$metainfo")"

field() { sed -n "s/^$1=//p" "$entry"; }
folder=$(field Path)
command=$(field Exec)
check "Path= is the installed data folder" "$prefix/share/vantrel-area-code" "$folder"
for file in cities.txt metro.txt; do
  check "$file installed" yes "$([ -s "$folder/$file" ] && echo yes || echo no)"
done
for icon in scalable/apps/vantrel-area-code.svg 48x48/apps/vantrel-area-code.png \
            128x128/apps/vantrel-area-code.png; do
  check "icon $icon installed" yes \
    "$([ -s "$prefix/share/icons/hicolor/$icon" ] && echo yes || echo no)"
done

# Started as the desktop starts it: in Path=, with Exec= looked up on PATH.
(cd "$folder" && PATH="$prefix/bin:$PATH" exec $command) >"$work/program.log" 2>&1 &
program_pid=$!
main=$(window_of_size 417x302) || { echo "FAIL: the window did not appear"; cat "$work/program.log"; exit 1; }
enter "$main" 212
click "$main" "${command1[@]}"
line=$(iconv -f cp1252 -t utf-8 "$folder/cities.txt" | tr -d '\r' |
  awk -v start="$code_start" -v count="$code_length" 'substr($0, start, count) == "212"')
check_results "a lookup answers from the installed directory" "$main" \
  "${line:region_start-1:region_length}   ${line:city_start-1:city_length}"
click "$main" "${command3[@]}"
wait_for_end
check "Exit ends the installed program with status 0" 0 "$status"

echo "== the Debian package"
(cd "$build" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for path in ./usr/bin/vantrel-area-code ./usr/share/vantrel-area-code/cities.txt \
            ./usr/share/vantrel-area-code/metro.txt \
            ./usr/share/applications/com.vantrel.AreaCode.desktop \
            ./usr/share/icons/hicolor/scalable/apps/vantrel-area-code.svg \
            ./usr/share/icons/hicolor/128x128/apps/vantrel-area-code.png \
            ./usr/share/metainfo/com.vantrel.AreaCode.metainfo.xml \
            ./usr/share/doc/vantrel-area-code/copyright; do
  check "package holds $path" yes "$(grep -qx "$path" "$work/contents" && echo yes || echo no)"
done
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  check "depends on $library" yes "$(grep -q "$library" <<<"$depends" && echo yes || echo no)"
done
check "package version" 1.00 "$(dpkg-deb --field "$deb" Version)"
packaged_path=$(dpkg-deb --fsys-tarfile "$deb" |
  tar -xO ./usr/share/applications/com.vantrel.AreaCode.desktop | sed -n 's/^Path=//p')
check "the package's entry starts in /usr/share/vantrel-area-code" /usr/share/vantrel-area-code \
  "$packaged_path"

if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all installation checks passed"
