#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Runs a Windows program under wine in a prefix of the build folder's own, quietly.
# Usage: wine-run.sh PREFIX WINE PROGRAM [ARGUMENT...]
set -eu
prefix=$1
wine=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No offers to install Mono or Gecko: nothing here needs .NET or a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.ready" ]; then
  # Tests run in parallel: the first to come makes the prefix while the others wait for it.
  mkdir -p "$(dirname "$prefix")"
  flock "$prefix.lock" sh -c '
    [ -f "$WINEPREFIX/.ready" ] && exit 0
    "$1" wineboot.exe --init >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.ready"' sh "$wine"
fi
# CTest waits until every process that holds a test's output has ended. The first program of a
# wine session starts the session's server and services, which would hold it and linger for
# seconds after the program: so a program of no interest starts the session (or finds it running),
# apart from the test's output.
"$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
exec "$wine" "$@"
