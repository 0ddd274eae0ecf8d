// SPDX-License-Identifier: Apache-2.0
// The four main-window operations over plain members, for running lookups without a window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "main_window_operations.h"
#include "metro_areas.h"

namespace lookup_testing {

// Records every result shown and every metro name added.
class FakeWindow : public lookup::MainWindowOperations {
 public:
  std::string entry;
  std::optional<std::string> selection = std::string(lookup::kNoMetroChosen);
  std::vector<std::string> shown;
  std::vector<std::string> metroNames;

  std::string EntryText() override { return entry; }
  void ShowResult(const std::string& text) override { shown.push_back(text); }
  std::optional<std::string> MetroSelection() override { return selection; }
  void AddMetroName(const std::string& name) override { metroNames.push_back(name); }
};

// Keeps only the last result, so that a loop of many lookups does not grow.
class QuietWindow : public lookup::MainWindowOperations {
 public:
  std::string entry;
  std::string result;

  std::string EntryText() override { return entry; }
  void ShowResult(const std::string& text) override { result = text; }
  std::optional<std::string> MetroSelection() override { return std::nullopt; }
  void AddMetroName(const std::string& /*name*/) override {}
};

}  // namespace lookup_testing
