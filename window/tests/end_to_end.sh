#!/usr/bin/env bash
# Drives the real program in a real X server, as a user would: types, clicks, picks from the
# drop-down, reads the results box back through the clipboard, and checks how the program ends.
# Usage: end_to_end.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

program=$(realpath "$1")
output=$(realpath "$2")
for tool in Xvfb xdotool xclip import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/test.sh installs it"; exit 1; }
done

work=$(mktemp -d)
server_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A server of its own on a free display, at 96 dots per inch.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

failures=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAIL: $1"; echo "  expected: $(printf %q "$2")"; echo "  actual:   $(printf %q "$3")"
    failures=$((failures + 1))
  fi
}

record() { printf 'COUNTRY     %s  %s     %s\r\n' "$1" "$2" "$3"; }

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

# The id of a mapped window of the given size (pixels), waiting for it to appear.
window_of_size() {
  local size=$1
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name '^Vantrel Area Code$' 2>/dev/null); do
      local geometry
      geometry=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')
      if [ "$size" = any ] || [ "$geometry" = "$size" ]; then echo "$id"; return 0; fi
    done
    sleep 0.05
  done
  return 1
}

click() {  # click WINDOW X Y, in pixels from the window's top left corner
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

results() {  # the text of the results box, through select-all and copy
  click "$1" 200 240
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null || true
}

wait_for_end() {  # waits for the program to end; its status goes to $status
  status=0
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
  wait "$program_pid" || status=$?
  program_pid=
}

# Centres of the controls, in pixels.
text1=(96 72); command1=(96 112); combo_arrow=(280 66); command2=(212 112); command3=(324 112)

echo "== a lookup, a metro area and Exit"
write_data
start
main=$(window_of_size 417x302) || { echo "FAIL: the window did not appear"; exit 1; }
click "$main" "${text1[@]}"
xdotool type --delay 20 "212"
click "$main" "${command1[@]}"
check "area code 212" "NY   New York City, Manhattan" "$(results "$main")"
click "$main" "${text1[@]}"
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "199"
click "$main" "${command1[@]}"
check "area code 199" "Not a valid area code.  Please try again" "$(results "$main")"
click "$main" "${combo_arrow[@]}"     # opens the real drop-down list
xdotool key Home Down Return          # its second item
sleep 0.2
click "$main" "${command2[@]}"
check "metro area" "New York City      212 332 646 917" "$(results "$main")"
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
click "$main" "${text1[@]}"
xdotool type --delay 20 "abc"
click "$main" "${command1[@]}"
check "an invalid entry still just answers" "Not a valid area code.  Please try again" \
  "$(results "$main")"
click "$main" "${text1[@]}"
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "212"
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
