// SPDX-License-Identifier: Apache-2.0
// One event procedure run against a fake window, and the lines of a file, for checks to compare.
#include "lookups.h"

#include <utility>

#include "area_code_lookup.h"
#include "fake_window.h"
#include "line_reader.h"
#include "metro_areas.h"

namespace lookup_testing {

std::vector<std::string> LookUpAreaCode(const std::string& entry) {
  FakeWindow window;
  window.entry = entry;
  lookup::Command1_Click(window);
  return window.shown;
}

std::vector<std::string> LookUpMetro(std::optional<std::string> selection) {
  FakeWindow window;
  window.selection = std::move(selection);
  lookup::Command2_Click(window);
  return window.shown;
}

std::vector<std::string> LoadMetroNames() {
  FakeWindow window;
  lookup::Form_Load(window);
  return window.metroNames;
}

std::vector<std::string> ReadLines(const std::string& name) {
  lookup::LineReader reader;
  reader.Open(name);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.NextLine());
  reader.Close();
  return lines;
}

}  // namespace lookup_testing
