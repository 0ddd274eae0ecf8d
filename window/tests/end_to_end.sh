#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Drives the real program in a real X server, as a user would: types, clicks, picks from the
# drop-down, reads the results box back through the clipboard, and checks how the program ends.
# Usage: end_to_end.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

program=$(realpath "$1")
output=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"
source "$(dirname "$0")/../../lookup/testing/record_layout.sh"

folder=$work/data
mkdir "$folder"
write_data() {
  { record NY 212 "New York City, Manhattan"; record ID 208 "Boise, Nampa"; } >"$folder/cities.txt"
  printf 'Boise\r\nNew York City      212 332 646 917\r\nSeattle            206 253 425\r\n' \
    >"$folder/metro.txt"
}

start() {
  (cd "$folder" && exec "$program") >"$work/program.log" 2>&1 &
  program_pid=$!
}

echo "== a lookup, a metro area and Exit"
write_data
start
main=$(window_of_size 417x302) || { echo "FAIL: the window did not appear"; exit 1; }
enter "$main" 212
click "$main" "${command1[@]}"
check_results "area code 212" "$main" "NY   New York City, Manhattan"
enter "$main" 199
click "$main" "${command1[@]}"
check_results "area code 199" "$main" "Not a valid area code.  Please try again"
click "$main" "${combo_arrow[@]}"     # opens the real drop-down list
xdotool key Home Down Return          # its second item
sleep 0.2
click "$main" "${command2[@]}"
check_results "metro area" "$main" "New York City      212 332 646 917"
import -window "$main" "$output/end_to_end_window.png"
echo "screenshot: $output/end_to_end_window.png"
click "$main" "${command3[@]}"
wait_for_end
check "Exit ends the program with status 0" 0 "$status"

echo "== a missing directory"
write_data
rm "$folder/cities.txt"
start
main=$(window_of_size 417x302) || { echo "FAIL: the window did not appear"; exit 1; }
enter "$main" abc
click "$main" "${command1[@]}"
check_results "an invalid entry still just answers" "$main" \
  "Not a valid area code.  Please try again"
enter "$main" 212
click "$main" "${command1[@]}"
box=$(window_of_size any | grep -v "^$main\$" || true)
for _ in $(seq 50); do
  [ -n "$box" ] && break
  box=$(xdotool search --onlyvisible --name '^Vantrel Area Code$' | grep -v "^$main\$" | head -n 1 || true)
  sleep 0.1
done
check "a message box reports the error" yes "$([ -n "$box" ] && echo yes || echo no)"
[ -n "$box" ] && import -window "$box" "$output/end_to_end_error.png"
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
wait_for_end
check "the error ends the program with status 1" 1 "$status"

echo "== a missing metro file"
write_data
rm "$folder/metro.txt"
start
box=$(window_of_size any) || true
sleep 0.5
shown=no
xdotool search --onlyvisible --name '^Vantrel Area Code$' | while read -r id; do
  xdotool getwindowgeometry "$id"
done | grep -q 'Geometry: 417x302' && shown=yes
check "the window is never shown" no "$shown"
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
wait_for_end
check "the error ends the program with status 1" 1 "$status"

if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; cat "$work/program.log"; exit 1; fi
echo "all end-to-end checks passed"
