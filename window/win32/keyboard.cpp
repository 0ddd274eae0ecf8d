// SPDX-License-Identifier: Apache-2.0
// The keys that the window handles itself: Tab and Shift+Tab move the focus, Enter and Escape
// press nothing.
#include "keyboard.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "form/form1_description.h"

namespace window {
namespace {

using form::ControlKind;

// The index in `controls` of the control that is `window` or holds it.
std::optional<std::size_t> ControlOf(HWND window, std::span<const HWND> controls) {
  for (; window != nullptr; window = ::GetParent(window)) {
    const auto found = std::ranges::find(controls, window);
    if (found != controls.end()) return static_cast<std::size_t>(found - controls.begin());
  }
  return std::nullopt;
}

bool Pressed(int key) { return ::GetKeyState(key) < 0; }

void MoveFocus(std::size_t from, bool backwards, std::span<const HWND> controls) {
  const std::vector<const form::ControlDescription*> order = form::FocusOrder();
  const form::ControlDescription* current = &form::kForm1.controls.at(from);
  const auto here = std::ranges::find(order, current);
  const std::size_t count = order.size();
  std::size_t next = here != order.end() ? static_cast<std::size_t>(here - order.begin()) : 0;
  next = backwards ? (next + count - 1) % count : (next + 1) % count;
  const auto index = static_cast<std::size_t>(order[next] - form::kForm1.controls.data());
  FocusControl(controls[index]);
}

// Enter and Escape belong to an open drop-down list, which they close; elsewhere they press
// nothing. Enter starts a new line in the results box, which takes several lines.
bool KeyOwnedByControl(WPARAM key, std::size_t control, std::span<const HWND> controls) {
  const ControlKind kind = form::kForm1.controls.at(control).kind;
  if (kind == ControlKind::kDropDownCombo) {
    return ::SendMessageW(controls[control], CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return key == VK_RETURN && kind == ControlKind::kResultsBox;
}

}  // namespace

void FocusControl(HWND control) {
  wchar_t className[16] = {};
  ::GetClassNameW(control, className, static_cast<int>(std::size(className)));
  ::SetFocus(control);
  if (std::wstring_view(className) == L"EDIT") {
    ::SendMessageW(control, EM_SETSEL, 0, -1);
  } else if (std::wstring_view(className) == L"COMBOBOX") {
    ::SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
}

bool HandleFormKey(const MSG& message, std::span<const HWND> controls) {
  const bool keyDown = message.message == WM_KEYDOWN;
  if (!keyDown && message.message != WM_CHAR) return false;
  const WPARAM key = message.wParam;
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  const std::optional<std::size_t> control = ControlOf(message.hwnd, controls);
  if (!control) return false;
  if (key == VK_TAB) {
    if (Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
    if (keyDown) MoveFocus(*control, Pressed(VK_SHIFT), controls);
    return true;
  }
  return !KeyOwnedByControl(key, *control, controls);
}

}  // namespace window
