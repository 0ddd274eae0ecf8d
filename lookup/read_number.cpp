// SPDX-License-Identifier: Apache-2.0
// Reading the number that a text begins with.
#include "read_number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace lookup {
namespace {

bool IsDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNonZeroDigit(char c) { return c >= '1' && c <= '9'; }

// Exponents saturate here, far beyond any double, and far beyond the length of any text that
// fits in memory, so that adding a digit position to one can neither overflow nor mislead.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000'000;
// Deciding the nearest double never needs more significant digits than this; any further ones
// only say whether the value lies a little above what the kept digits spell.
constexpr std::size_t kDecisiveDigits = 800;
// Beyond these decimal orders of magnitude a double is infinite, or zero.
constexpr std::int64_t kHighestOrder = 310;
constexpr std::int64_t kLowestOrder = -330;

// A decimal number as a text spells it. Only ScanNumber makes one, and only where at least one
// of the two digit runs is non-empty.
struct DecimalNumber {
  bool negative = false;
  std::string_view whole;     // digits before the full stop
  std::string_view fraction;  // digits after it
  std::int64_t exponent = 0;  // saturated at kExponentLimit either way
};

// Removes and returns the leading run of digits of `rest`.
std::string_view TakeDigits(std::string_view& rest) {
  const auto run = std::find_if_not(rest.begin(), rest.end(), IsDigit) - rest.begin();
  const std::string_view digits = rest.substr(0, static_cast<std::size_t>(run));
  rest.remove_prefix(digits.size());
  return digits;
}

// Removes the leading character of `rest` when it is one of `chars`; says whether it did.
bool TakeOneOf(std::string_view& rest, std::string_view chars) {
  if (rest.empty() || chars.find(rest.front()) == std::string_view::npos) return false;
  rest.remove_prefix(1);
  return true;
}

std::int64_t SaturatedValue(std::string_view digits) {
  std::int64_t value = 0;
  for (char c : digits) {
    value = value > kExponentLimit / 10 ? kExponentLimit
                                        : std::min(value * 10 + (c - '0'), kExponentLimit);
  }
  return value;
}

// The longest decimal number at the start of `text`, read in one pass from the front.
std::optional<DecimalNumber> ScanNumber(std::string_view rest) {
  DecimalNumber number;
  number.negative = rest.starts_with('-');
  TakeOneOf(rest, "+-");
  number.whole = TakeDigits(rest);
  if (TakeOneOf(rest, ".")) number.fraction = TakeDigits(rest);
  if (number.whole.empty() && number.fraction.empty()) return std::nullopt;

  // An exponent counts only when it has digits; otherwise the number ends before the letter.
  std::string_view exponent = rest;
  if (TakeOneOf(exponent, "eE")) {
    const bool negative = exponent.starts_with('-');
    TakeOneOf(exponent, "+-");
    const std::int64_t value = SaturatedValue(TakeDigits(exponent));
    number.exponent = negative ? -value : value;
  }
  return number;
}

// The nearest double to a number whose significant digits `digits` (the first one non-zero)
// stand for digits[0].digits[1...] times ten to the power `order`, with |order| small.
double NearestDouble(std::string_view digits, std::int64_t order) {
  std::string text(1, digits.front());
  text += '.';
  const std::string_view kept = digits.substr(1, kDecisiveDigits);
  text += kept;
  const std::string_view dropped = digits.substr(1 + kept.size());
  if (std::any_of(dropped.begin(), dropped.end(), IsNonZeroDigit)) text += '1';
  text += 'e';
  text += std::to_string(order);

  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    return order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// The value of a scanned number, to the nearest double.
double ValueOf(const DecimalNumber& number) {
  // The significant digits, from the first non-zero one on, and the order of magnitude of that
  // first one: its place before the full stop, or after it, plus the exponent.
  std::string digits;
  std::int64_t order = 0;
  const auto lead = std::find_if(number.whole.begin(), number.whole.end(), IsNonZeroDigit);
  if (lead != number.whole.end()) {
    order = number.whole.end() - lead - 1;
    digits.assign(lead, number.whole.end());
    digits += number.fraction;
  } else {
    const auto fractionLead =
        std::find_if(number.fraction.begin(), number.fraction.end(), IsNonZeroDigit);
    if (fractionLead == number.fraction.end()) return 0.0;
    order = -(fractionLead - number.fraction.begin()) - 1;
    digits.assign(fractionLead, number.fraction.end());
  }
  order += number.exponent;
  if (order > kHighestOrder) return std::numeric_limits<double>::infinity();
  if (order < kLowestOrder) return 0.0;
  return NearestDouble(digits, order);
}

}  // namespace

double ReadNumber(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
               [](char c) { return !IsDropped(c); });
  const std::optional<DecimalNumber> number = ScanNumber(compact);
  if (!number) return 0.0;
  const double value = ValueOf(*number);
  return number->negative ? -value : value;
}

}  // namespace lookup
