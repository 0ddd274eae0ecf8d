// SPDX-License-Identifier: Apache-2.0
// The canonical text of a number, and its reverse.
#pragma once

#include <string>
#include <string_view>

namespace lookup {

// The one canonical text of `value` rounded to 15 significant digits: '212', '-0.5', '1E+15'.
std::string NumberText(double value);

// The value that a text written by NumberText denotes (its exact reverse); NaN for other texts.
double NumberValue(std::string_view text);

}  // namespace lookup
