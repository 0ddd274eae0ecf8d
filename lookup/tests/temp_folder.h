#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "main_window_operations.h"

namespace lookup::testing {

// A fresh empty folder that is the current folder while the object lives.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` exactly, as the file `name` in the folder.
  void Write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

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
