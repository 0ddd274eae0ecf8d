#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Drives the Windows program under wine through every case of end_to_end_cases.tsv, as a user
# would, with xdotool on the session's X server; reads what it shows (texts, also the error box's,
# the focus, rectangles in pixels) with the test helper window_probe.exe, waiting on that state.
# Run in the wine window session (vantrel_add_wine_window_test), which sets DISPLAY, WINEPREFIX
# and VANTREL_WINE.
# Usage: end_to_end_wine.sh PROGRAM WINDOW_PROBE [CASES]
set -euo pipefail

program=$(realpath "$1")
probe_exe=$(realpath "$2")
here=$(dirname "$0")
for tool in xdotool od iconv truncate; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/install-deps.sh installs it"; exit 1; }
done
[ -n "${VANTREL_WINE:-}" ] && [ -n "${DISPLAY:-}" ] ||
  { echo "FAIL: not in the wine window session (no VANTREL_WINE or DISPLAY)"; exit 1; }
source "$here/window_layout.sh"
source "$here/end_to_end_cases.sh"

work=$(mktemp -d)
folder=$work/data
mkdir "$folder"
program_pid=
holder_pid=
cleanup() {
  ui_stop
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAIL: $1"; echo "  expected: $(printf %q "$2")"; echo "  actual:   $(printf %q "$3")"
    failures=$((failures + 1))
  fi
}

probe() { "$VANTREL_WINE" "$probe_exe" "$@" 2>>"$work/probe.log"; }

# The main window and its error box, by class and caption; the probe finds the window's controls
# by their names, through the IDs that the form description gives them.
form=(VantrelForm1 "Vantrel Area Code")
box=('#32770' "Vantrel Area Code")

# The data folder as the program names it.
folder_windows=$("$VANTREL_WINE" winepath.exe -w "$folder" 2>/dev/null | tr -d '\r')
[ -n "$folder_windows" ] || { echo "FAIL: wine cannot name the folder $folder"; exit 1; }

origin=(0 0)  # the main window's client area on the screen
click_at() {  # click_at X Y: a point of the main window's client area
  xdotool mousemove $((origin[0] + $1)) $((origin[1] + $2)) click 1
}

ui_start() {
  (cd "$folder" && exec "$VANTREL_WINE" "$program") >"$work/program.log" 2>&1 &
  program_pid=$!
  if [ "$1" = window ]; then
    probe wait "${form[@]}" 30 || { check "the window appears" yes no; return 1; }
    local rect
    read -r -a rect <<<"$(probe rect "${form[@]}")"
    origin=("${rect[0]}" "${rect[1]}")
    check "the client area is 417 x 302 pixels" "417 302" "${rect[2]} ${rect[3]}"
    return 0
  fi
  probe wait "${box[@]}" 30 || { check "a message box appears" yes no; return 1; }
  check "a message box appears" yes yes
  local shown=yes
  probe gone "${form[@]}" 0 && shown=no
  check "the window is never shown" no "$shown"
}

wait_text() {  # wait_text CONTROL UTF8_HEX: waits until the control shows the text
  local actual
  if printf "$(sed 's/../\\x&/g' <<<"$2")" | probe wait-text "${form[@]}" "$1" - 20 >"$work/actual"
  then
    actual=$2
  else
    actual=$(hex_of <"$work/actual")
  fi
  check "$1 shows $(text_of_hex "$2")" "$2" "$actual"
  [ "$actual" = "$2" ]
}

ui_type() {
  xdotool type --delay 20 "$1"
}
ui_enter() {
  click_at "${text1[@]}"
  xdotool key ctrl+a BackSpace
  [ -z "$1" ] || xdotool type --delay 20 "$1"
  wait_text Text1 "$(printf %s "$1" | hex_of)"
}
ui_pick() {  # with the mouse: in a combo box with an edit field, Home and End edit the text
  local list=(ComboLBox "") point
  click_at "${combo_arrow[@]}"  # opens the real drop-down list
  probe wait "${list[@]}" 5 || { check "the drop-down list opens" yes no; return 1; }
  read -r -a point <<<"$(probe item-point "${list[@]}" $(($1 - 1)))"
  xdotool mousemove "${point[0]}" "${point[1]}" click 1
  wait_text Combo1 "$2"
}
ui_type_metro() {
  click_at "${combo_field[@]}"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$1"
  wait_text Combo1 "$(printf %s "$1" | hex_of)"
}
ui_click() {
  local -n centre=${1,,}
  click_at "${centre[@]}"
}
ui_results() { wait_text Text2 "$1" || true; }
ui_entry() { wait_text Text1 "$1" || true; }
ui_focus() {
  probe wait-focus "${form[@]}" "$1" 5 && check "the focus is in $1" "$1" "$1" ||
    check "the focus is in $1" "$1" "$(probe focus "${form[@]}")"
}
ui_geometry() {
  check "$1 is at $2" "$2" "$(probe rect "${form[@]}" "$1")"
}
ui_fatal() {  # the box's text through WM_GETTEXT; closed as a user would, by its button
  probe wait "${box[@]}" 10 || { check "a message box reports: $2" yes no; return 1; }
  local text first rest button client
  text=$(probe wait-some-text "${box[@]}" Static 10 | tr -d '\r')
  first=${text%%$'\n'*}
  rest=${text#*$'\n'}
  check "the message box reports: $2" "$2" "$first"
  check "it names $1 and its folder" yes \
    "$([[ $rest == *"\"$1\""*"$folder_windows"* ]] && echo yes || echo "no: $rest")"
  read -r -a button <<<"$(probe rect "${box[@]}" Button)"
  read -r -a client <<<"$(probe rect "${box[@]}")"
  xdotool mousemove $((client[0] + button[0] + button[2] / 2)) \
    $((client[1] + button[1] + button[3] / 2)) click 1
  probe gone "${box[@]}" 10 || { check "the message box closes" yes no; return 1; }
}
ui_close() {
  local point
  read -r -a point <<<"$(probe close-box "${form[@]}")"
  xdotool mousemove "${point[0]}" "${point[1]}" click 1
}
ui_exit() {
  for _ in $(seq 200); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$program_pid" 2>/dev/null; then
    check "the program ends with status $1" ended "still running"
    return 1
  fi
  local status=0
  wait "$program_pid" || status=$?
  program_pid=
  check "the program ends with status $1" "$1" "$status"
}
ui_held() {  # another program holds the file open without sharing it, till the case ends
  coproc holder { probe hold "Z:$1"; }
  holder_pid=$holder_PID
  local answer=''
  read -r -t 30 answer <&"${holder[0]}" || true
  [ "$answer" = held ] || { check "another program holds $1" held "$answer"; return 1; }
}
ui_stop() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    # Nothing left of the case on the screen for the next one to find.
    probe gone "${box[@]}" 5 >/dev/null 2>&1 || true
  fi
  if [ -n "$holder_pid" ]; then
    exec {holder[1]}>&-  # the holder lets go when its input ends
    wait "$holder_pid" 2>/dev/null || true
    holder_pid=
  fi
}

# A window left open by an earlier test of the session would be taken for the program's.
if ! probe gone "${form[@]}" 10 || ! probe gone "${box[@]}" 10; then
  echo "FAIL: a window captioned \"${form[1]}\" is still open from an earlier test"
  probe list
  exit 1
fi
run_cases "${3:-$here/end_to_end_cases.tsv}" wine "$folder"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  cat "$work/program.log" "$work/probe.log"
  exit 1
fi
echo "all end-to-end checks passed under wine"
