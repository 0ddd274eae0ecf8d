// SPDX-License-Identifier: Apache-2.0
// A fresh temporary folder that is the current folder while it lives.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lookup_testing {

// A fresh empty folder under the system's temporary folder. It is the current folder while the
// object lives, since the program opens its data files by bare name; the previous current folder
// comes back, and the folder is removed with everything in it, when the object goes.
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

}  // namespace lookup_testing
