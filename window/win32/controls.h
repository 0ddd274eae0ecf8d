// SPDX-License-Identifier: Apache-2.0
// The system controls that make up the window, one for each control of its description.
#pragma once

#include "form/form1_description.h"
#include "windows_api.h"

namespace window {

// Makes `control` as a child of `form`, with its ID and its caption or initial text; placing and
// fonts are the layout's part. Throws std::bad_alloc when the system cannot.
HWND CreateControl(HWND form, const form::ControlDescription& control);

// The edit field of a drop-down combo box.
HWND ComboEditField(HWND combo);

}  // namespace window
