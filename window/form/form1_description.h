// SPDX-License-Identifier: Apache-2.0
// The main window as data: its caption, size and controls, which each system's window builds from.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/twips.h"

namespace form {

enum class ControlKind {
  kLabel,          // a caption that takes no focus
  kTextBox,        // one line, editable
  kResultsBox,     // several editable lines that wrap at words, with a vertical scroll bar only
  kDropDownCombo,  // a drop-down list with an editable text field
  kButton,         // a push button whose caption wraps onto several lines
};

// One control. Texts are in the data files' character set (they are plain ASCII).
struct ControlDescription {
  std::string_view name = {};  // "Text1": the name the program's code and tests use
  // The control's ID, by which other programs and the tests find the native control (GetDlgItem):
  // a contract, kept when controls are added, moved or removed.
  int id;
  ControlKind kind;
  std::string_view caption = {};          // a label's or button's caption, a combo's initial text
  TwipsRect rect;                         // from the top left corner of the window's client area
  int tabIndex;                           // place in the keyboard focus order, from 0
  std::optional<double> fontPoints = {};  // in the dialog font; nothing: the window's default font
  std::string_view buddy = {};            // a label: the control that it names for assistive tools
  std::string_view accessibleName = {};   // a name of its own, where no label or caption gives one
  std::string_view accessibleDescription = {};  // what the control is for, for assistive tools
};

struct FormDescription {
  std::string_view name;
  std::string_view caption;
  int clientWidth;  // twips
  int clientHeight;
  std::array<ControlDescription, 8> controls;
};

// `Form1`, the program's one window.
extern const FormDescription kForm1;

// The control named `name` in kForm1; nothing when it has no such control.
const ControlDescription* FindControl(std::string_view name);

// The control of kForm1 with the ID `id`; nothing when it has no such control.
const ControlDescription* FindControl(int id);

// Whether the keyboard focus can rest on a control of `kind`.
bool TakesFocus(ControlKind kind);

// The controls of kForm1 that take the focus, in their tab order.
std::vector<const ControlDescription*> FocusOrder();

// The control that has the keyboard focus when the window is first shown: the first of the tab
// order.
const ControlDescription& InitialFocus();

// What assistive tools call `control`: its own accessible name, else the caption of the label that
// names it, else its caption.
std::string_view AccessibleName(const ControlDescription& control);

}  // namespace form
