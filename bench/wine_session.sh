# SPDX-License-Identifier: Apache-2.0
# Sourced by the benchmarks under wine: a private Xvfb (bench/private_xvfb.sh) and one warm wine
# session for every start, as a user's desktop has, in a prefix of the benchmarks' own. Needs
# `work` (a scratch folder) and `prefix` (the prefix's folder); sets `wine` (the loader) and
# `server` (the Xvfb). The caller's cleanup ends both: `wineserver -k; kill "$server"`.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || { echo "wine is missing; scripts/install-deps.sh test installs it" >&2; exit 1; }
source bench/private_xvfb.sh

# The prefix is made with the display set; without a window manager, hidden windows would
# otherwise wait to be unmapped.
export WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.ready" ]; then
  "$wine" wineboot.exe --init >/dev/null 2>&1
  "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  touch "$WINEPREFIX/.ready"
fi
wineserver -w  # the session that made the prefix ends first
wineserver -p </dev/null >/dev/null || { echo "wineserver did not start" >&2; exit 1; }
"$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1

# wine_launcher NAME EXE: prints the path of a script in `work`, called NAME, that starts EXE
# under wine; startup_watch starts programs without arguments and names them by their file.
wine_launcher() {
  printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine" "$2" >"$work/$1"
  chmod +x "$work/$1"
  echo "$work/$1"
}
