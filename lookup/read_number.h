// SPDX-License-Identifier: Apache-2.0
// Reading the number that a text begins with.
#pragma once

#include <string_view>

namespace lookup {

// The value of the decimal number that begins `text` once blanks, tabs and line feeds are
// dropped from it; 0 when it begins with no number. Too large reads as infinity, too small as 0.
double ReadNumber(std::string_view text);

}  // namespace lookup
