// SPDX-License-Identifier: Apache-2.0
// Plain, slow readings of the number rules, written apart from the library to check it against.
#pragma once

#include <string>
#include <string_view>

namespace lookup_testing {

// The number that begins `text`, read one character at a time by the grammar of ReadNumber.
double ReferenceReadNumber(std::string_view text);

// `value` rounded to 15 significant digits, as sign, digits and the exponent of the first digit
// ("-2.12000000000000e+02"); every zero gives the same text. For comparing rounded values.
std::string ReferenceRounded(double value);

// The canonical text of `value`, from the C library's own rounding to 15 significant digits.
std::string ReferenceNumberText(double value);

// The value whose canonical text is `text`; NaN when no value has that text.
double ReferenceNumberValue(std::string_view text);

}  // namespace lookup_testing
