// SPDX-License-Identifier: Apache-2.0
// Cutting a field out of a line by its position.
#pragma once

#include <cstddef>
#include <string_view>

namespace lookup {

// The characters of `text` from position `start` (counted from 1) on, at most `length` of them;
// empty when `start` lies beyond the end. The result views into `text`.
constexpr std::string_view MidText(std::string_view text, std::size_t start, std::size_t length) {
  if (start < 1 || start > text.size()) return {};
  return text.substr(start - 1, length);
}

}  // namespace lookup
