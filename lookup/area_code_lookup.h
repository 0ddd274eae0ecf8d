// SPDX-License-Identifier: Apache-2.0
// The area-code lookup: "Where is that area code", with its limits and messages.
#pragma once

#include <string_view>

#include "main_window_operations.h"

namespace lookup {

inline constexpr double kLowestAreaCode = 200;
inline constexpr double kHighestAreaCode = 999;
inline constexpr std::string_view kDirectoryFile = "cities.txt";
inline constexpr std::string_view kRegionSeparator = "   ";
inline constexpr std::string_view kInvalidEntryMessage = "Not a valid area code.  Please try again";
inline constexpr std::string_view kNotFoundMessage = "Area code not found";

// "Where is that area code": checks the entry, searches the directory file in the current folder
// and shows exactly one result. Throws FatalError when the directory cannot be opened or read.
void Command1_Click(MainWindowOperations& window);

}  // namespace lookup
