#pragma once

namespace window {

// Lets the window's fonts fall back on metric-alike families where "MS Sans Serif" is missing.
// Has to run before the first widget is made.
void InstallFontSubstitutes();

}  // namespace window
