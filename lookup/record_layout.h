// SPDX-License-Identifier: Apache-2.0
// Where the fields of the data files' lines lie, in characters counted from 1.
#pragma once

#include <cstddef>

namespace lookup {

// A directory ("cities.txt") record: the region field, the code field and the city text.
inline constexpr std::size_t kRegionStart = 13;
inline constexpr std::size_t kRegionLength = 2;
inline constexpr std::size_t kCodeStart = 17;
inline constexpr std::size_t kCodeLength = 3;
inline constexpr std::size_t kCityStart = 25;
inline constexpr std::size_t kCityLength = 500;
// Everything a lookup reads of a record; characters after the city text are never looked at.
inline constexpr std::size_t kRecordLength = kCityStart - 1 + kCityLength;

// A metro-file ("metro.txt") line: the metro name that the list shows and a selection matches.
inline constexpr std::size_t kMetroNameStart = 1;
inline constexpr std::size_t kMetroNameLength = 19;

}  // namespace lookup
