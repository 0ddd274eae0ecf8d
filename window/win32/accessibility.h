// SPDX-License-Identifier: Apache-2.0
// Names and descriptions of the controls for assistive tools (Microsoft Active Accessibility).
#pragma once

#include <string>

#include "form/form1_description.h"
#include "windows_api.h"

namespace window {

// Makes assistive tools take `control` for a `role` (ROLE_SYSTEM_...) called `name`, described by
// `description`: the control answers WM_GETOBJECT with the system's own accessible object for
// it, with these. Everything else is the system's.
void NameForAssistiveTools(HWND control, long role, std::wstring name, std::wstring description);

// The role of a control of `kind`.
long AccessibleRole(form::ControlKind kind);

}  // namespace window
