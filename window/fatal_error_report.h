#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace window {

// What the user is told of an error that ends the program.
struct FatalErrorReport {
  int number = 0;
  QString description;  // "File not found"
  QString detail;       // "\"cities.txt\" was not found in /home/user."

  QString Message() const;  // "Run-time error 53: File not found" and the detail below it
};

// The report of `error`, as caught by an event procedure's guard; files are named with the
// folder that they were looked for in.
FatalErrorReport DescribeFatalError(const std::exception_ptr& error);

// Shows `report` in a critical message box and, once the user has closed it, ends the program
// with status 1: `window`, the main window, is hidden and the event loop left. While the window
// is still loading (not yet shown), the caller ends the program instead.
void ReportFatalErrorAndEnd(QWidget* window, const FatalErrorReport& report);

}  // namespace window
