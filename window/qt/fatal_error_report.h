// SPDX-License-Identifier: Apache-2.0
// What the user is told of an error that ends the program.
#pragma once

#include <QString>
#include <exception>

#include "error_number.h"
#include "form/fatal_error_text.h"

class QWidget;

namespace window {

using form::kFatalErrorExitStatus;

// What the user is told of an error that ends the program: form::FatalErrorText in Qt's text.
struct FatalErrorReport {
  lookup::ErrorNumber number = lookup::ErrorNumber::kInternalError;
  QString description;  // "File not found"
  QString detail;       // "\"cities.txt\" was not found in /home/user."

  QString Message() const;  // "Run-time error 53: File not found" and the detail below it
};

// The report of `error`, as caught by an event procedure's guard; files are named with the
// folder that they were looked for in.
FatalErrorReport DescribeFatalError(const std::exception_ptr& error);

// Shows `report` in a critical message box and returns once the user has closed it. The box
// belongs to `window` while that is on the screen. Ending the program is the caller's part.
void ShowFatalErrorReport(QWidget* window, const FatalErrorReport& report);

}  // namespace window
