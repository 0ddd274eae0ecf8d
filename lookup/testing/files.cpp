// SPDX-License-Identifier: Apache-2.0
// Writing the data files that tests, fuzz targets and benchmarks read back.
#include "files.h"

#include <fstream>
#include <stdexcept>

namespace lookup_testing {

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace lookup_testing
