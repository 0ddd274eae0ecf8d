// SPDX-License-Identifier: Apache-2.0
// The system controls that make up the window, one for each control of its description.
#include "controls.h"

#include <new>
#include <string>

#include "window_text.h"

namespace window {
namespace {

using form::ControlKind;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

WindowKind KindOf(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::kLabel:
      // A label's caption is plain text: an ampersand is shown, not taken for a mnemonic.
      return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kTextBox:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kResultsBox:
      // No horizontal scrolling, so that long lines wrap at words.
      return {L"EDIT",
              kChild | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::kDropDownCombo:
      // Items stay in the order they were added; the edit field scrolls for long names.
      return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::kButton:
      // A plain push button: none is the default button, so Enter presses none.
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
  }
  return {L"STATIC", kChild, 0};
}

}  // namespace

HWND CreateControl(HWND form, const form::ControlDescription& control) {
  const WindowKind kind = KindOf(control.kind);
  const std::wstring caption = ShownText(control.caption);
  // NOLINTNEXTLINE(performance-no-int-to-ptr): a child window's menu handle is its ID
  auto* const menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id));
  HWND window = ::CreateWindowExW(kind.extendedStyle, kind.className, caption.c_str(), kind.style,
                                  0, 0, 0, 0, form, menu, ::GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) throw std::bad_alloc();
  // A combo box takes its initial text into its edit field only once it exists.
  if (control.kind == ControlKind::kDropDownCombo) SetText(window, caption);
  return window;
}

HWND ComboEditField(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace window
