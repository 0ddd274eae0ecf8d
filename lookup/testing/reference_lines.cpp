// SPDX-License-Identifier: Apache-2.0
// Splits a whole file into lines one character at a time.
#include "reference_lines.h"

namespace lookup_testing {

std::vector<ReferenceLine> ReferenceLines(std::string_view file) {
  std::vector<ReferenceLine> lines;
  ReferenceLine line;
  bool open = false;  // characters have been read since the last terminator
  for (std::size_t i = 0; i < file.size(); ++i) {
    const char c = file[i];
    if (c == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
      line.terminator = "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      line.terminator = std::string(1, c);
    } else {
      line.text += c;
      open = true;
      continue;
    }
    lines.push_back(line);
    line = {};
    open = false;
  }
  if (open) lines.push_back(line);
  return lines;
}

}  // namespace lookup_testing
