#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Sourced by the end-to-end runners: runs the cases of end_to_end_cases.tsv one by one. It writes
# the data files itself and leaves what a user does and sees to the runner's ui_* functions:
#   ui_start EXPECTED  ui_type TEXT  ui_enter TEXT  ui_pick N TEXT_HEX  ui_type_metro TEXT
#   ui_click CONTROL  ui_results EXPECTED_HEX  ui_entry EXPECTED_HEX  ui_focus CONTROL
#   ui_geometry CONTROL "L T W H"  ui_fatal FILE MESSAGE  ui_close
#   ui_exit STATUS  ui_held FILE  ui_stop (ends a program that is still running)
# A ui_* function that returns non-zero ends its case there (the rest of it cannot be judged).
# The runner sets `failures` (and uses `check` from x11_session.sh).
source "$(dirname "${BASH_SOURCE[0]}")/../../lookup/testing/record_layout.sh"

hex_of() { od -An -v -tx1 | tr -d ' \n'; }  # standard input in hexadecimal

# The characters of a text written with \xHH escapes in Windows-1252, as UTF-8, in hexadecimal:
# texts with NUL cannot be held in a shell variable. The five bytes the code page leaves undefined
# are the characters of the same number, as the program shows them.
utf8_hex_of_1252() {
  local hex byte i out=''
  hex=$(printf '%b' "$1" | hex_of)
  for ((i = 0; i < ${#hex}; i += 2)); do
    byte=${hex:i:2}
    case $byte in
      [0-7]?) out+=$byte ;;
      81 | 8d | 8f | 90 | 9d) out+=c2$byte ;;
      *) out+=$(printf "\\x$byte" | iconv -f CP1252 -t UTF-8 | hex_of) ;;
    esac
  done
  echo "$out"
}

text_of_hex() {  # a UTF-8 text given in hexadecimal, quoted for reading, its NULs as \x00
  local hex=$1 i out=''
  for ((i = 0; i < ${#hex}; i += 2)); do
    if [ "${hex:i:2}" = 00 ]; then out+='\\x00'; else out+="\\x${hex:i:2}"; fi
  done
  printf "'%b'" "$out"
}

# A line of a data file with its CR LF; \xHH escapes in it are bytes.
write_line() { printf '%b\r\n' "$2" >>"$1"; }

write_record() {  # write_record FILE REGION|CODE|CITY
  local region code city line
  IFS='|' read -r region code city <<<"$2"
  # Fields padded byte by byte; the city, last, keeps its escapes until written.
  line=$(LC_ALL=C record "$(printf '%b' "$region")" "$(printf '%b' "$code")" "$city")
  write_line "$1" "${line%$'\r'}"
}

# run_cases TABLE SYSTEM FOLDER: every case of TABLE that runs on SYSTEM (linux or wine), each
# with its data files in FOLDER, emptied first.
run_cases() {
  local table=$1 system=$2 folder=$3
  local current='' skip='' started='' name action target text
  while IFS=$'\t' read -r -u 4 name action target text || [ -n "$name" ]; do
    [[ -z $name || $name == \#* ]] && continue
    if [[ $name != "$current" ]]; then
      [ -n "$current" ] && end_case "$started"
      current=$name skip='' started=$EPOCHREALTIME
      rm -rf "${folder:?}"/* && echo "== $name"
    fi
    [ -n "$skip" ] && continue
    if ! run_action "$folder" "$system" "$action" "$target" "$text"; then
      skip=yes
      ui_stop
    fi
  done 4<"$table"
  [ -n "$current" ] && end_case "$started"
  return 0
}

end_case() {  # end_case START_TIME: ends what the case left running, and says how long it took
  ui_stop
  local took=$((${EPOCHREALTIME/./} - ${1/./}))
  printf '(%d.%d s)\n' $((took / 1000000)) $((took / 100000 % 10))
}

run_action() {  # run_action FOLDER SYSTEM ACTION TARGET TEXT; non-zero ends the case
  local folder=$1 system=$2 action=$3 target=$4 text=$5
  case $action in
    only) [ "$target" = "$system" ] || { echo "(runs only on $target)"; return 1; } ;;
    empty) : >"$folder/$target" ;;
    line) write_line "$folder/$target" "$text" ;;
    record) write_record "$folder/$target" "$text" ;;
    remove) rm -rf "${folder:?}/$target" ;;
    folder) rm -rf "${folder:?}/$target" && mkdir "$folder/$target" ;;
    long-line) truncate -s "${text}M" "$folder/$target" && printf '\r\n' >>"$folder/$target" ;;
    held) ui_held "$folder/$target" ;;
    start) ui_start "$text" ;;
    type) ui_type "$text" ;;
    enter) ui_enter "$text" ;;
    pick) ui_pick "$target" "$(utf8_hex_of_1252 "$text")" ;;
    type-metro) ui_type_metro "$text" ;;
    key) xdotool key "$text" ;;
    click) ui_click "$target" ;;
    results) ui_results "$(utf8_hex_of_1252 "$text")" ;;
    entry) ui_entry "$(utf8_hex_of_1252 "$text")" ;;
    focus) ui_focus "$target" ;;
    geometry) ui_geometry "$target" "$text" ;;
    fatal) ui_fatal "$target" "$text" ;;
    close) ui_close ;;
    exit) ui_exit "$text" ;;
    *) echo "FAIL: unknown action '$action' in the case table"; failures=$((failures + 1)); return 1 ;;
  esac
}
