// SPDX-License-Identifier: Apache-2.0
// One event procedure run against a fake window, the lines of a file, and the fatal error that
// either ended in, for checks to compare.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fatal_error.h"

namespace lookup_testing {

// What one click of "Where is that area code" shows for the entry `entry`.
std::vector<std::string> LookUpAreaCode(const std::string& entry);

// What one click of "Area Codes in a metro area" shows for the metro selection `selection`.
std::vector<std::string> LookUpMetro(std::optional<std::string> selection);

// The names that loading the window puts into the metro list.
std::vector<std::string> LoadMetroNames();

// Every line of the file `name`, as the lookups read it.
std::vector<std::string> ReadLines(const std::string& name);

// The number of the fatal error that `action` ends in, or 0 when it ends normally.
template <typename Action>
int ErrorOf(Action action) {
  try {
    action();
  } catch (const lookup::FatalError& error) {
    return static_cast<int>(error.Number());
  }
  return 0;
}

}  // namespace lookup_testing
