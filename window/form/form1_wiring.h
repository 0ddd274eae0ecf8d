// SPDX-License-Identifier: Apache-2.0
// What the main window's controls do: the event procedures that the window's events run, and the
// controls that the four main-window operations use.
#pragma once

#include <span>
#include <string_view>

#include "main_window_operations.h"

namespace form {

// An event procedure of the program, which reaches the window only through its four operations.
using EventProcedure = void (*)(lookup::MainWindowOperations& window);

// What a click on one button does.
struct ClickWiring {
  std::string_view button;  // the button's name in kForm1
  // The button's event procedure; nothing for a button whose click only ends the program.
  EventProcedure run = nullptr;
  bool endsProgram = false;  // after it, the program ends at once
};

// The wiring of kForm1: each event that reaches the program's own code, and the controls behind
// the window's operations. No other event has a procedure.
struct FormWiring {
  EventProcedure load;                  // Form_Load: once, before the window is first shown
  std::span<const ClickWiring> clicks;  // one for each button
  std::string_view entry;               // entry text: the text of this control
  std::string_view results;             // show result: replaces this control's text
  std::string_view metroList;           // metro selection and add metro name: this combo box
};

extern const FormWiring kForm1Wiring;

// Runs what a click on the button of `click` does, through `window`; true when the program then
// ends. An error in the event procedure is thrown on.
bool RunClick(const ClickWiring& click, lookup::MainWindowOperations& window);

}  // namespace form
