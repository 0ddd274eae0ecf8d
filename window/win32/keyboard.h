// SPDX-License-Identifier: Apache-2.0
// The keys that the window handles itself: Tab and Shift+Tab move the focus, Enter and Escape
// press nothing.
#pragma once

#include <span>

#include "windows_api.h"

namespace window {

// Handles `message` when it is one of the window's own keys, for a control among `controls` (in
// the order of the description) or inside one; true when it has been handled and must not be
// dispatched.
bool HandleFormKey(const MSG& message, std::span<const HWND> controls);

// Puts the focus on `control`, selecting the whole text of a text box or combo box as the Tab
// key does.
void FocusControl(HWND control);

}  // namespace window
