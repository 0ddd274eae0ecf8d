// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, its stand-ins, its default size.
#pragma once

#include <span>
#include <string_view>

namespace form {

// The size of the window's default font, used by the combo box and the buttons: the classic
// dialog font at this size also keeps every text of the window in one font family.
inline constexpr double kWindowDefaultFontPoints = 8;

// The family that the window's explicit fonts and its default font ask for: the classic dialog
// font "MS Sans Serif", or on Windows its scalable successor of the same metrics.
std::string_view DialogFontFamily();

// The metric-alike families that stand in for the dialog font where it is missing; empty where
// the system always has it.
std::span<const std::string_view> DialogFontSubstitutes();

// The height in pixels of the characters of a font of `points` at `dpi` dots per inch, rounded.
int FontPixelHeight(double points, int dpi);

}  // namespace form
