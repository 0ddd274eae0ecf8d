// SPDX-License-Identifier: Apache-2.0
// The metro-area list and its lookup: "Area Codes in a metro area".
#pragma once

#include <string_view>

#include "main_window_operations.h"

namespace lookup {

inline constexpr std::string_view kMetroFile = "metro.txt";
inline constexpr std::string_view kNoMetroChosen = "Select Metro Area";

// Fills the metro-area list with the name (first 19 characters) of every line of the metro file,
// in file order. Throws FatalError when the file cannot be opened or read.
void Form_Load(MainWindowOperations& window);

// "Area Codes in a metro area": shows the first metro-file line whose name is exactly the
// selection; shows nothing when none is. Throws FatalError when the file cannot be opened or read.
void Command2_Click(MainWindowOperations& window);

}  // namespace lookup
