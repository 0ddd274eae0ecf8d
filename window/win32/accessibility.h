// SPDX-License-Identifier: Apache-2.0
// Names and descriptions of the controls for assistive tools (Microsoft Active Accessibility).
#pragma once

#include <string>

#include "windows_api.h"

namespace window {

// Makes assistive tools call `control` `name` and describe it with `description`: the control
// answers WM_GETOBJECT with the system's own accessible object for it, whose name and
// description are these. Everything else is the system's.
void NameForAssistiveTools(HWND control, std::wstring name, std::wstring description);

}  // namespace window
