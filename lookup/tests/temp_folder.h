#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "fake_window.h"

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

}  // namespace lookup::testing
