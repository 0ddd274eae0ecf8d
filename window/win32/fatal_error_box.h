// SPDX-License-Identifier: Apache-2.0
// The message box that tells the user of an error that ends the program.
#pragma once

#include <exception>

#include "form/fatal_error_text.h"
#include "windows_api.h"

namespace window {

// The report of `error`, naming data files with the current folder.
form::FatalErrorText DescribeFatalError(const std::exception_ptr& error);

// Shows `text` in a critical message box and returns once the user has closed it. The box
// belongs to `window` while that is on the screen. Ending the program is the caller's part.
void ShowFatalErrorBox(HWND window, const form::FatalErrorText& text);

}  // namespace window
