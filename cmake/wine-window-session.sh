#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# One warm wine session on an X server of its own for the tests that show windows under wine.
# Usage: wine-window-session.sh SESSION PREFIX WINE WINESERVER start|stop
#        wine-window-session.sh SESSION PREFIX WINE WINESERVER run (--wine PROGRAM | --) ARGUMENT...
# `start` starts Xvfb (96 dpi) and a wineserver that stays up, in a prefix of the window tests'
# own, and notes the display in SESSION; `run` runs a test in that session: a Windows PROGRAM
# under wine, or (after --) any command, with DISPLAY, WINEPREFIX and VANTREL_WINE set for it;
# `stop` ends the session.
set -uo pipefail

session=$1 prefix=$2 wine=$3 wineserver=$4 action=$5
shift 5

export WINEPREFIX="$prefix" WINEDEBUG=-all
# No menu entries or file associations written, no offers to install Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="

fail() { echo "FAIL: $*"; for log in "$session"/*.log; do [ -s "$log" ] && tail -n 20 "$log"; done; exit 1; }

alive() {  # alive NAME: the process in NAME.pid runs (an unreaped zombie does not)
  local state
  [ -s "$session/$1.pid" ] && state=$(ps -o stat= -p "$(cat "$session/$1.pid")") &&
    [[ $state != Z* ]]
}

start_display() {
  rm -f "$session/display"
  # setsid and the log: CTest waits for every process that holds a test's output, and the server
  # outlives the test that starts it. -noreset: it keeps its state between clients.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
    3>"$session/display" </dev/null >"$session/xvfb.log" 2>&1 &
  echo $! >"$session/xvfb.pid"
  # A loaded machine may take several seconds; give up after 30 s and say so.
  for _ in $(seq 600); do [ -s "$session/display" ] && break; sleep 0.05; done
  [ -s "$session/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$session/display")"
}

start_wine() {
  # The server stays up between programs (-p), so every test finds the session warm: cold starts
  # now and then failed to show a window. The prefix is made with the display set: a session once
  # started without one keeps every later window from appearing.
  if ! "$wineserver" -k0 2>/dev/null; then  # -k0 asks whether one runs
    mkdir -p "$prefix"
    "$wineserver" -p </dev/null >"$session/wineserver.log" 2>&1 || fail "wineserver did not start"
  fi
  if [ ! -f "$prefix/.ready" ]; then
    setsid "$wine" wineboot.exe --init </dev/null >"$session/wineboot.log" 2>&1 ||
      fail "wine could not make the prefix $prefix"
    # Without a window manager every hidden window would otherwise wait 2 s to be unmapped.
    "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
      </dev/null >>"$session/wineboot.log" 2>&1 || fail "wine could not write the registry"
    touch "$prefix/.ready"
  fi
  # The session's own processes start with the first program; one of no interest starts them
  # here, apart from any test's output.
  setsid "$wine" cmd.exe /c exit </dev/null >>"$session/wineboot.log" 2>&1 ||
    fail "wine could not run a program in $prefix"
}

stop() {
  "$wineserver" -k >/dev/null 2>&1
  "$wineserver" -w >/dev/null 2>&1
  if alive xvfb; then kill "$(cat "$session/xvfb.pid")"; fi
  rm -f "$session/xvfb.pid" "$session/display"
}

case $action in
  start)
    command -v Xvfb >/dev/null || fail "Xvfb is missing; scripts/install-deps.sh installs it"
    [ -x "$wine" ] || fail "wine ($wine) is missing; scripts/install-deps.sh installs it"
    mkdir -p "$session" "$(dirname "$prefix")"
    # Started again (a repeated run): a session still up is kept warm.
    if ! alive xvfb || [ ! -s "$session/display" ]; then stop; start_display; fi
    export DISPLAY=":$(head -n 1 "$session/display")"
    start_wine
    echo "wine window session on display $DISPLAY, prefix $prefix"
    ;;
  stop)
    stop
    echo "wine window session stopped"
    ;;
  run)
    alive xvfb && [ -s "$session/display" ] ||
      fail "the wine window session is not running (the CTest fixture wine_window_session starts it)"
    export DISPLAY=":$(head -n 1 "$session/display")" VANTREL_WINE="$wine"
    mode=$1
    shift
    if [ "$mode" = --wine ]; then exec "$wine" "$@"; fi
    exec "$@"
    ;;
  *)
    echo "usage: $0 SESSION PREFIX WINE WINESERVER start|stop|run ..." >&2
    exit 2
    ;;
esac
