// SPDX-License-Identifier: Apache-2.0
// Fallback families for the window's classic font.
#pragma once

namespace window {

// Lets the window's fonts fall back on metric-alike families where "MS Sans Serif" is missing.
// Has to run before the first widget is made.
void InstallFontSubstitutes();

}  // namespace window
