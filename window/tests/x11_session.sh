#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Sourced by the tests that drive the real program under a private Xvfb: starts the server on a
# free display (96 dpi), and finds, clicks and reads the program's windows with xdotool and xclip.
# The sourcing script sets `work` (a scratch folder it removes) and uses `program_pid`.

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

# A server of its own on a free display, at 96 dots per inch. -noreset: without it the server
# resets whenever its last client leaves (between two runs of the program, or after an xdotool
# call), and a program that connects during the reset fails with "could not connect to display".
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
server_pid=$!
# A loaded machine may take several seconds to start it; give up only after 30 s, and say so.
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
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

check_results() {  # check_results WHAT WINDOW EXPECTED: the results box shows EXPECTED
  # A slow machine (or a sanitizer build) may take a moment to answer; ask again a few times.
  local actual
  for _ in $(seq 8); do
    actual=$(results "$2")
    [ "$actual" == "$3" ] && break
    sleep 0.3
  done
  check "$1" "$3" "$actual"
}

results() {  # the text of the results box, through select-all and copy
  click "$1" "${text2[@]}"
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

source "$(dirname "${BASH_SOURCE[0]}")/window_layout.sh"

enter() {  # enter WINDOW TEXT: replaces the area-code entry with TEXT
  click "$1" "${text1[@]}"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$2"
}
