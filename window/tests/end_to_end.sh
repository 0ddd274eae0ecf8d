#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Drives the real program in a real X server through every case of end_to_end_cases.tsv, as a
# user would: types, clicks, picks from the drop-down, reads the results box back through the
# clipboard, closes the window, and checks how the program ends.
# Usage: end_to_end.sh PROGRAM CLOSE_REQUEST_HELPER [CASES]
set -euo pipefail

program=$(realpath "$1")
close_request=$(realpath "$2")
here=$(dirname "$0")
source "$here/x11_session.sh"
source "$here/end_to_end_cases.sh"

folder=$work/data
mkdir "$folder"
main=

# Every visible window captioned as the program but `main`: its message box.
other_window() {
  xdotool search --onlyvisible --name '^Vantrel Area Code$' 2>/dev/null | grep -vx "${main:-none}" |
    head -n 1
}

ui_start() {
  (cd "$folder" && exec "$program") >"$work/program.log" 2>&1 &
  program_pid=$!
  if [ "$1" = window ]; then
    main=$(window_of_size 417x302) || { check "the window appears" yes no; return 1; }
    # The user clicks the window where it has no control, which gives it the keyboard without
    # moving the focus within it.
    press_at 8 8
    return 0
  fi
  main=
  local box=''
  for _ in $(seq 200); do box=$(other_window) && [ -n "$box" ] && break; sleep 0.05; done
  check "a message box appears" yes "$([ -n "$box" ] && echo yes || echo no)"
  local shown=no
  for id in $(xdotool search --onlyvisible --name '^Vantrel Area Code$'); do
    [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')" = 417x302 ] && shown=yes
  done
  check "the window is never shown" no "$shown"
  [ -n "$box" ]
}

# Mouse and keys reach the program in the order sent: nothing to wait for between them.
press_at() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

ui_type() { xdotool type --delay 20 "$1"; }
ui_enter() {
  press_at "${text1[@]}"
  xdotool key ctrl+a BackSpace
  [ -z "$1" ] || xdotool type --delay 20 "$1"
}
ui_pick() {
  press_at "${combo_arrow[@]}"  # opens the real drop-down list
  local keys=(Home)
  for _ in $(seq 2 "$1"); do keys+=(Down); done
  xdotool key "${keys[@]}" Return
}
ui_type_metro() {
  press_at "${combo_field[@]}"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$1"
}
ui_click() {
  local -n centre=${1,,}
  press_at "${centre[@]}"
}
# check_text CONTROL EXPECTED_HEX: the control's text, copied through the clipboard, compared in
# hexadecimal, as it may hold any character. The clipboard holds a mark until the copy replaces
# it; copying an empty text leaves the mark.
check_text() {
  local -n centre=${1,,}
  local mark=$'\x01copying' mark_hex actual=''
  mark_hex=$(printf %s "$mark" | hex_of)
  for _ in $(seq 10); do
    printf %s "$mark" | xclip -selection clipboard -i >/dev/null 2>&1
    press_at "${centre[@]}"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 10); do
      actual=$(xclip -o -selection clipboard 2>/dev/null | hex_of)
      [ "$actual" != "$mark_hex" ] && break
      sleep 0.05
    done
    [ "$actual" = "$mark_hex" ] && actual=''
    [ "$actual" = "$2" ] && break
    sleep 0.2  # the program may still be answering
  done
  check "$1 shows $(text_of_hex "$2")" "$2" "$actual"
}
ui_results() { check_text Text2 "$1"; }
ui_entry() { check_text Text1 "$1"; }
ui_geometry() { :; }  # xdotool sees no Qt widget; the Qt tests check where they are
ui_focus() { echo "(the focus in $1 is seen by what typing does)"; }
ui_fatal() {  # Qt's box cannot be read from outside; the Qt tests check its text
  local box=''
  for _ in $(seq 100); do box=$(other_window) && [ -n "$box" ] && break; sleep 0.05; done
  check "a message box reports: $2 ($1)" yes "$([ -n "$box" ] && echo yes || echo no)"
  [ -n "$box" ] || return 1
  xdotool windowfocus --sync "$box" key Return
}
ui_close() {
  "$close_request" "$main"
  echo "(closed through the request a window manager sends for the close box)"
}
ui_exit() {
  for _ in $(seq 200); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$program_pid" 2>/dev/null; then
    check "the program ends with status $1" ended "still running"
    return 1
  fi
  wait_for_end
  check "the program ends with status $1" "$1" "$status"
}
ui_held() { echo "(no file locks that keep a reader out here)"; return 1; }
ui_stop() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
  fi
}

run_cases "${3:-$here/end_to_end_cases.tsv}" linux "$folder"

if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; cat "$work/program.log"; exit 1; fi
echo "all end-to-end checks passed"
