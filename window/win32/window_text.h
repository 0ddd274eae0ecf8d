// SPDX-License-Identifier: Apache-2.0
// Texts of windows and controls: as UTF-16 strings, and as shown for the data files' bytes.
#pragma once

#include <string>
#include <string_view>

#include "windows_api.h"

namespace window {

// Windows' wide characters are UTF-16 code units, as char16_t are.
std::wstring Wide(std::u16string_view text);
std::u16string Utf16(std::wstring_view text);

// The text that a window shows for the file bytes `bytes` (Windows-1252). A window's text ends at
// its first NUL, which would hide the rest of a record that holds one: a NUL is shown as a blank.
std::wstring ShownText(std::string_view bytes);

// The whole text of `control`, read with WM_GETTEXT.
std::u16string WindowText(HWND control);

// Replaces the whole text of `control`. Throws std::bad_alloc when the control has no room for it.
void SetText(HWND control, const std::wstring& text);
void SetText(HWND control, std::u16string_view text);

}  // namespace window
