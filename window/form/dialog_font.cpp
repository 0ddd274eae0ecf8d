// SPDX-License-Identifier: Apache-2.0
// The window's classic dialog font: its family on each system, its stand-ins, its default size.
#include "form/dialog_font.h"

#include <array>
#include <cmath>

namespace form {
namespace {

constexpr double kPointsPerInch = 72;

}  // namespace

std::string_view DialogFontFamily() {
#ifdef _WIN32
  // Windows still has "MS Sans Serif", as a bitmap font that does not scale on high-DPI screens.
  return "Microsoft Sans Serif";
#else
  return "MS Sans Serif";
#endif
}

std::span<const std::string_view> DialogFontSubstitutes() {
#ifdef _WIN32
  return {};
#else
  static constexpr std::array<std::string_view, 3> kSubstitutes = {"Liberation Sans", "Arimo",
                                                                   "DejaVu Sans"};
  return kSubstitutes;
#endif
}

int FontPixelHeight(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

}  // namespace form
