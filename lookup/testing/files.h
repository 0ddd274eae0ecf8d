// SPDX-License-Identifier: Apache-2.0
// Writing the data files that tests, fuzz targets and benchmarks read back.
#pragma once

#include <filesystem>
#include <string_view>

namespace lookup_testing {

// Writes `bytes` exactly as the file `path`, replacing what it held; throws std::runtime_error
// when it cannot.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace lookup_testing
