// SPDX-License-Identifier: Apache-2.0
// Texts of windows and controls: as UTF-16 strings, and as shown for the data files' bytes.
#include "window_text.h"

#include <algorithm>
#include <new>

#include "form/windows_1252.h"

namespace window {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

std::u16string Utf16(std::wstring_view text) { return {text.begin(), text.end()}; }

std::wstring ShownText(std::string_view bytes) {
  std::wstring text = Wide(form::FromFileBytes(bytes));
  std::ranges::replace(text, L'\0', L' ');
  return text;
}

std::u16string WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  const int length = ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return Utf16(text);
}

void SetText(HWND control, const std::wstring& text) {
  if (!::SetWindowTextW(control, text.c_str())) throw std::bad_alloc();
}

void SetText(HWND control, std::u16string_view text) { SetText(control, Wide(text)); }

}  // namespace window
