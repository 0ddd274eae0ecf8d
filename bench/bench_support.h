#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "main_window_operations.h"

namespace bench {

// A window that only keeps the last result.
class QuietWindow : public lookup::MainWindowOperations {
 public:
  std::string entry;
  std::string result;
  std::string EntryText() override { return entry; }
  void ShowResult(const std::string& text) override { result = text; }
  std::optional<std::string> MetroSelection() override { return std::nullopt; }
  void AddMetroName(const std::string&) override {}
};

// A directory record with the shipped layout.
std::string Record(const std::string& region, int code, const std::string& city);

// The median of `values` (which it sorts).
double Median(std::vector<double>& values);

// A fresh folder under the system's temporary folder; removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace bench
