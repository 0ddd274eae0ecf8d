// SPDX-License-Identifier: Apache-2.0
// How other programs find the native window: its class name. Its controls have the IDs of the form
// description (form::ControlDescription::id; GetDlgItem, GetDlgCtrlID).
#pragma once

namespace window {

// The class name of the main window, for FindWindow.
inline constexpr wchar_t kForm1ClassName[] = L"VantrelForm1";

}  // namespace window
