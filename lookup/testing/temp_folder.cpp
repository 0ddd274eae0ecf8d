// SPDX-License-Identifier: Apache-2.0
// A fresh temporary folder that is the current folder while it lives.
#include "temp_folder.h"

#include <random>
#include <stdexcept>

#include "files.h"

namespace lookup_testing {

TempFolder::TempFolder() : previous_(std::filesystem::current_path()) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() /
                     ("vantrel-test-" + std::to_string(random()) + std::to_string(attempt));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      std::filesystem::current_path(path_);
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  // A test may have taken its own permissions away to see a read fail.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, std::string_view bytes) const {
  WriteFile(path_ / name, bytes);
}

}  // namespace lookup_testing
