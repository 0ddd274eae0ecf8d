// SPDX-License-Identifier: Apache-2.0
// Texts of windows and controls as UTF-16 strings.
#include "window_text.h"

#include <new>

namespace window {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

std::u16string Utf16(std::wstring_view text) { return {text.begin(), text.end()}; }

std::u16string WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  const int length = ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return Utf16(text);
}

void SetText(HWND control, std::u16string_view text) {
  if (!::SetWindowTextW(control, Wide(text).c_str())) throw std::bad_alloc();
}

}  // namespace window
