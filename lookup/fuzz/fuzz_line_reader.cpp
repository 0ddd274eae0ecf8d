// SPDX-License-Identifier: Apache-2.0
// LineReader over any bytes: its lines joined with the terminators it moved past give back the
// file exactly; lines cut to N characters, and line views, agree with the whole lines.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "line_reader.h"
#include "testing/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterScratchFolder();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  lookup_testing::WriteFile("lines.txt", bytes);
  const std::size_t cut = size > 0 ? data[0] % 32 : 0;

  lookup::LineReader whole;
  lookup::LineReader cutLines;
  lookup::LineReader views;
  whole.Open("lines.txt");
  cutLines.Open("lines.txt");
  views.Open("lines.txt");
  std::string joined;
  std::string part;
  while (!whole.AtEnd()) {
    const std::string line = whole.NextLine();
    joined += line;
    joined += whole.LastTerminator();
    fuzz::Require(!cutLines.AtEnd() && !views.AtEnd());
    cutLines.NextLine(part, cut);
    fuzz::Require(part == line.substr(0, cut));
    fuzz::Require(views.NextLineView(lookup::LineReader::kWholeLine) == line);
  }
  fuzz::Require(cutLines.AtEnd() && views.AtEnd());
  fuzz::Require(joined == bytes);
  return 0;
}
