// SPDX-License-Identifier: Apache-2.0
// Opening and reading a data file: the one part of the library that differs between systems.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "error_number.h"

namespace lookup {

// A data file opened for reading its bytes as they are (never in text mode), closed when the
// object goes. One source file per system implements it.
class PlatformFile {
 public:
  PlatformFile() = default;
  ~PlatformFile() { Close(); }
  PlatformFile(const PlatformFile&) = delete;
  PlatformFile& operator=(const PlatformFile&) = delete;

  // Opens the named regular file (a bare name is looked up in the current folder), without
  // waiting for anything; on failure no file is open and the result says why.
  std::optional<ErrorNumber> Open(const std::string& name);
  // Reads at most `size` bytes into `buffer`: how many it read, 0 at the end of the file, or no
  // value when the read failed.
  std::optional<std::size_t> Read(char* buffer, std::size_t size);
  // Closes the file, if one is open.
  void Close();
  bool IsOpen() const { return handle_ != kNoHandle; }

 private:
  // A file descriptor or a Windows handle; both systems use -1 for "none".
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
};

}  // namespace lookup
