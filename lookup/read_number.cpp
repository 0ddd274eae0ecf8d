// SPDX-License-Identifier: Apache-2.0
// Reading the number that a text begins with.
#include "read_number.h"

#include <algorithm>
#include <array>
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

// The significant digits of a number, from its first non-zero one on, in up to two runs (before
// and after the full stop), and the decimal order of magnitude of that first digit.
struct Significant {
  std::string_view first;   // starts with a non-zero digit
  std::string_view second;  // the fraction's digits when `first` lies before the full stop
  std::int64_t order = 0;
};

// Nothing when every digit is zero.
std::optional<Significant> SignificantDigits(const DecimalNumber& number) {
  // The order is the first non-zero digit's place, before or after the full stop, plus the
  // exponent; both are exact, so long digit runs and huge exponents cannot mislead it.
  const auto lead = std::find_if(number.whole.begin(), number.whole.end(), IsNonZeroDigit);
  if (lead != number.whole.end()) {
    const auto place = number.whole.end() - lead - 1;
    return Significant{number.whole.substr(static_cast<std::size_t>(lead - number.whole.begin())),
                       number.fraction, place + number.exponent};
  }
  const auto fractionLead =
      std::find_if(number.fraction.begin(), number.fraction.end(), IsNonZeroDigit);
  if (fractionLead == number.fraction.end()) return std::nullopt;
  const auto place = -(fractionLead - number.fraction.begin()) - 1;
  return Significant{
      number.fraction.substr(static_cast<std::size_t>(fractionLead - number.fraction.begin())),
      {},
      place + number.exponent};
}

// The nearest double to significant digits whose order lies between kLowestOrder and
// kHighestOrder. from_chars is handed a short text of its own: the first digit, a full stop, at
// most kDecisiveDigits more, a '1' standing for any dropped non-zero digit, and the order.
double NearestDouble(Significant digits) {
  std::array<char, kDecisiveDigits + 32> text;  // written before it is read
  char* out = text.data();
  *out++ = digits.first.front();
  *out++ = '.';
  digits.first.remove_prefix(1);
  std::size_t room = kDecisiveDigits;
  for (std::string_view* run : {&digits.first, &digits.second}) {
    const std::size_t kept = std::min(room, run->size());
    out = std::copy_n(run->data(), kept, out);
    run->remove_prefix(kept);
    room -= kept;
  }
  const auto nonZero = [](std::string_view run) {
    return std::any_of(run.begin(), run.end(), IsNonZeroDigit);
  };
  if (nonZero(digits.first) || nonZero(digits.second)) *out++ = '1';
  *out++ = 'e';
  out = std::to_chars(out, text.data() + text.size(), digits.order).ptr;

  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), out, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    return digits.order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// The value of a scanned number, to the nearest double.
double ValueOf(const DecimalNumber& number) {
  const std::optional<Significant> digits = SignificantDigits(number);
  if (!digits) return 0.0;
  if (digits->order > kHighestOrder) return std::numeric_limits<double>::infinity();
  if (digits->order < kLowestOrder) return 0.0;
  return NearestDouble(*digits);
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
