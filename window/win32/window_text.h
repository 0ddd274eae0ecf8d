// SPDX-License-Identifier: Apache-2.0
// Texts of windows and controls as UTF-16 strings.
#pragma once

#include <string>
#include <string_view>

#include "windows_api.h"

namespace window {

// Windows' wide characters are UTF-16 code units, as char16_t are.
std::wstring Wide(std::u16string_view text);
std::u16string Utf16(std::wstring_view text);

// The whole text of `control`, read with WM_GETTEXT.
std::u16string WindowText(HWND control);

// Replaces the whole text of `control`. Throws std::bad_alloc when the control has no room for it.
void SetText(HWND control, std::u16string_view text);

}  // namespace window
