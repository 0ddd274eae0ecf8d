#pragma once

#include <optional>
#include <string>
#include <vector>

#include "main_window_operations.h"

namespace lookup::testing {

// The four window operations over plain members, recording every result shown.
class FakeWindow : public MainWindowOperations {
 public:
  std::string entry;
  std::optional<std::string> selection = "Select Metro Area";
  std::vector<std::string> shown;
  std::vector<std::string> metroNames;

  std::string EntryText() override { return entry; }
  void ShowResult(const std::string& text) override { shown.push_back(text); }
  std::optional<std::string> MetroSelection() override { return selection; }
  void AddMetroName(const std::string& name) override { metroNames.push_back(name); }
};

}  // namespace lookup::testing
