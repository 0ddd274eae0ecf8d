#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The session the window tests under wine rely on: Windows programs see a display at 96 dots per
# inch, the size that every pixel figure of the tests assumes.
# Usage (in the session): wine_session_test.sh WINDOW_PROBE
set -euo pipefail
dpi=$("$VANTREL_WINE" "$1" dpi) || { echo "FAIL: the probe did not run under wine"; exit 1; }
if [ "$dpi" != 96 ]; then echo "FAIL: the display has $dpi dots per inch, not 96"; exit 1; fi
echo "ok: wine on display $DISPLAY at 96 dots per inch"
