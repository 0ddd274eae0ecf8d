// SPDX-License-Identifier: Apache-2.0
// Both lookups over any directory file, metro file, entry and selection, with the window's four
// operations faked: the area-code lookup shows exactly one result, the metro list has one name a
// line, and a metro lookup shows at most one line, whose name is the selection.
#include <cstdint>
#include <string>
#include <vector>

#include "area_code_lookup.h"
#include "fuzz_support.h"
#include "line_reader.h"
#include "metro_areas.h"
#include "record_layout.h"
#include "testing/fake_window.h"
#include "testing/files.h"

namespace {

std::size_t LineCount(const char* name) {
  lookup::LineReader reader;
  reader.Open(name);
  std::size_t count = 0;
  for (; !reader.AtEnd(); ++count) reader.SkipRestOfLine();
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterScratchFolder();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kSeparator = "\xff|";
  lookup_testing::WriteFile("cities.txt", fuzz::Part(input, kSeparator, 0));
  lookup_testing::WriteFile("metro.txt", fuzz::Part(input, kSeparator, 1));

  lookup_testing::FakeWindow window;
  window.entry = std::string(fuzz::Part(input, kSeparator, 2));
  lookup::Command1_Click(window);
  fuzz::Require(window.shown.size() == 1);

  lookup::Form_Load(window);
  fuzz::Require(window.metroNames.size() == LineCount("metro.txt"));
  for (const std::string& name : window.metroNames)
    fuzz::Require(name.size() <= lookup::kMetroNameLength);

  const std::string selection(fuzz::Part(input, kSeparator, 3));
  window.selection = selection;
  window.shown.clear();
  lookup::Command2_Click(window);
  fuzz::Require(window.shown.size() <= 1);
  if (!window.shown.empty())
    fuzz::Require(window.shown[0].substr(0, lookup::kMetroNameLength) == selection);
  return 0;
}
