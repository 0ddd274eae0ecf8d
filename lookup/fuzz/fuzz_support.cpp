// SPDX-License-Identifier: Apache-2.0
// What every fuzz target needs besides the shared test support: findings, a folder, input parts.
#include "fuzz_support.h"

#include <cstdlib>

#include "testing/temp_folder.h"

namespace fuzz {

void Require(bool condition) {
  if (!condition) std::abort();
}

void EnterScratchFolder() { static const lookup_testing::TempFolder folder; }

std::string_view Part(std::string_view input, std::string_view separator, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t at = input.find(separator);
    if (at == std::string_view::npos) return {};
    input.remove_prefix(at + separator.size());
  }
  return input.substr(0, input.find(separator));
}

}  // namespace fuzz
