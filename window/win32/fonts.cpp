// SPDX-License-Identifier: Apache-2.0
// The window's fonts at one screen resolution.
#include "fonts.h"

#include "form/dialog_font.h"
#include "form/form1_description.h"
#include "window_text.h"

namespace window {
namespace {

HFONT CreateDialogFont(double points, int dpi) {
  const std::wstring family = ShownText(form::DialogFontFamily());
  // A negative height asks for the characters' height, as point sizes measure it.
  return ::CreateFontW(-form::FontPixelHeight(points, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, family.c_str());
}

}  // namespace

Fonts::Fonts(int dpi) {
  fonts_.emplace(form::kWindowDefaultFontPoints,
                 Font(CreateDialogFont(form::kWindowDefaultFontPoints, dpi)));
  for (const form::ControlDescription& control : form::kForm1.controls) {
    if (control.fontPoints && !fonts_.contains(*control.fontPoints)) {
      fonts_.emplace(*control.fontPoints, Font(CreateDialogFont(*control.fontPoints, dpi)));
    }
  }
}

HFONT Fonts::For(std::optional<double> points) const {
  return fonts_.at(points.value_or(form::kWindowDefaultFontPoints)).get();
}

}  // namespace window
