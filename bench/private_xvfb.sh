# SPDX-License-Identifier: Apache-2.0
# Sourced by the start-up benchmarks: a private Xvfb at 96 dpi on a free display, exported as
# DISPLAY. Needs `work` (a scratch folder); sets `server` (its process) for the caller's cleanup.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
