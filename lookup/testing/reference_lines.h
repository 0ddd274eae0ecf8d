// SPDX-License-Identifier: Apache-2.0
// A plain splitter of a whole file held in memory into lines, to check the line reader against.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lookup_testing {

// One line of a file and the terminator that ended it ("\r", "\n", "\r\n", or "" at the end).
struct ReferenceLine {
  std::string text;
  std::string terminator;

  bool operator==(const ReferenceLine&) const = default;
};

// The lines of a whole file, in order.
std::vector<ReferenceLine> ReferenceLines(std::string_view file);

}  // namespace lookup_testing
