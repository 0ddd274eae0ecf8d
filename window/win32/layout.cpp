// SPDX-License-Identifier: Apache-2.0
// Places the window and its controls from twips at the window's screen resolution.
#include "layout.h"

#include <cstddef>

#include "form/form1_description.h"
#include "form/twips.h"

namespace window {
namespace {

int Height(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

// A drop-down combo box is as high as its closed field, which follows from its font and the
// height of its field's text; that is set so that the field has the height of the description.
// Systems differ in what they add to the height that is set, and in what they answer when asked
// for it: so one height is set, its field measured, and the height set again, corrected.
void SetClosedHeight(HWND combo, int height) {
  auto text = static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  ::SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), text);
  text += height - Height(combo);
  if (text > 0) ::SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), text);
}

}  // namespace

int WindowDpi(HWND window) {
  const UINT dpi = ::GetDpiForWindow(window);
  return dpi != 0 ? static_cast<int>(dpi) : form::kStandardDpi;
}

void SizeForm(HWND form, int dpi) {
  RECT frame = {0, 0, form::ToPixels(form::kForm1.clientWidth, dpi),
                form::ToPixels(form::kForm1.clientHeight, dpi)};
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(form, GWL_STYLE));
  const auto extendedStyle = static_cast<DWORD>(::GetWindowLongPtrW(form, GWL_EXSTYLE));
  ::AdjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
  ::SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControls(std::span<const HWND> controls, int dpi, const Fonts& fonts) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const form::ControlDescription& control = form::kForm1.controls.at(i);
    const form::PixelRect rect = form::ToPixels(control.rect, dpi);
    const bool combo = control.kind == form::ControlKind::kDropDownCombo;
    // A combo box's height is that of its dropped list: down to the bottom of the window.
    const int height =
        combo ? form::ToPixels(form::kForm1.clientHeight, dpi) - rect.top : rect.height;
    ::SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(control.fontPoints)),
                   FALSE);
    ::SetWindowPos(controls[i], nullptr, rect.left, rect.top, rect.width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (combo) SetClosedHeight(controls[i], rect.height);
    ::InvalidateRect(controls[i], nullptr, TRUE);
  }
}

}  // namespace window
