// SPDX-License-Identifier: Apache-2.0
// How other programs find the native window and its controls: its class name and control IDs.
#pragma once

namespace window {

// The class name of the main window, for FindWindow.
inline constexpr wchar_t kForm1ClassName[] = L"VantrelForm1";

// Each control's ID (GetDlgItem, GetDlgCtrlID) is kFirstControlId plus its index in
// form::kForm1.controls:
//   Label1   1000  STATIC    "Area Code"
//   Text1    1001  EDIT      the area-code entry
//   Combo1   1002  COMBOBOX  the metro-area list (its edit field is a child of it)
//   Command1 1003  BUTTON    "Where is that area code"
//   Command2 1004  BUTTON    "Area Codes in a metro area"
//   Command3 1005  BUTTON    "Exit"
//   Label2   1006  STATIC    "Search results"
//   Text2    1007  EDIT      the results box
inline constexpr int kFirstControlId = 1000;

}  // namespace window
