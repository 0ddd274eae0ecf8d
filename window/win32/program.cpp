// SPDX-License-Identifier: Apache-2.0
// The program's life from start to end.
#include "program.h"

#include "form/fatal_error_text.h"
#include "form1.h"

namespace window {
namespace {

// Not IsDialogMessageW, the usual loop of a window of controls: it puts the text boxes into
// dialog mode, in which a multi-line text box answers Escape by asking its parent to close, so
// Escape in the results box would end the program; and it turns Enter and Escape elsewhere into
// presses of a default and a cancel button. Here Enter and Escape press nothing, and the few keys
// that the window handles itself (keyboard.h) it sees first.
int RunEventLoop(const Form1& form) {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form.PreTranslateMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int RunProgram() {
  try {
    Form1 form;
    if (!form.Load()) return form::kFatalErrorExitStatus;  // reported; the window is never shown
    form.Show();
    return RunEventLoop(form);
  } catch (...) {
    // The window could not be made: nothing is on the screen to end.
    ShowFatalErrorBox(nullptr, DescribeFatalError(std::current_exception()));
    return form::kFatalErrorExitStatus;
  }
}

}  // namespace window
