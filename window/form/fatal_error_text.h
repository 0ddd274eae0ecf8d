// SPDX-License-Identifier: Apache-2.0
// What the user is told of an error that ends the program, in the same words on every system.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "error_number.h"

namespace form {

// The program's exit status after a fatal error.
inline constexpr int kFatalErrorExitStatus = 1;

// What the user is told of an error that ends the program.
struct FatalErrorText {
  lookup::ErrorNumber number = lookup::ErrorNumber::kInternalError;
  std::u16string description;  // "File not found"
  std::u16string detail;       // "\"cities.txt\" was not found in /home/user."
};

// The title of the message box that reports a fatal error: the window's caption.
std::u16string FatalErrorTitle();

// "Run-time error 53: File not found", then a blank line and `detail` when there is one.
std::u16string FatalErrorMessage(lookup::ErrorNumber number, std::u16string_view description,
                                 std::u16string_view detail);

// The report of `error`, as caught by an event procedure's guard; data files are named with
// `folder`, the current folder, where they were looked for.
FatalErrorText DescribeFatalError(const std::exception_ptr& error, std::u16string_view folder);

}  // namespace form
