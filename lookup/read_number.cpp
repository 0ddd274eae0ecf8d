// SPDX-License-Identifier: Apache-2.0
// Reading the number that a text begins with.
#include "read_number.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace lookup {
namespace {

bool IsDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the number in a compacted text begins and ends, and what decides its order of magnitude.
struct NumberSpan {
  std::size_t begin = 0;  // first digit or full stop, after any sign
  std::size_t end = 0;    // one past the number; equals begin when there is none
  bool negative = false;
  long magnitude = 0;  // decimal exponent of the leading non-zero digit, roughly
};

std::size_t SkipDigits(const std::string& s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// Saturates, so that an exponent of any length only says "very large" or "very small".
long ReadExponent(const std::string& s, std::size_t begin, std::size_t end) {
  constexpr long kLimit = 1'000'000;
  long value = 0;
  for (std::size_t i = begin; i < end && value < kLimit; ++i) value = value * 10 + (s[i] - '0');
  return value;
}

NumberSpan FindNumber(const std::string& s) {
  NumberSpan span;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) span.negative = s[i++] == '-';
  span.begin = i;
  const std::size_t intEnd = SkipDigits(s, i);
  std::size_t end = intEnd;
  if (end < s.size() && s[end] == '.') end = SkipDigits(s, end + 1);
  const std::size_t digitCount = (end - span.begin) - (end > intEnd ? 1 : 0);
  if (digitCount == 0) return span;  // a lone sign or full stop is no number

  std::size_t lead = span.begin;
  while (lead < end && (s[lead] == '0' || s[lead] == '.')) ++lead;
  span.magnitude = static_cast<long>(intEnd) - static_cast<long>(lead) - (lead > intEnd ? 0 : 1);

  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t e = end + 1;
    const bool minus = e < s.size() && s[e] == '-';
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    const std::size_t expEnd = SkipDigits(s, e);
    if (expEnd > e) {  // 'E' without digits is not part of the number
      const long exponent = ReadExponent(s, e, expEnd);
      span.magnitude += minus ? -exponent : exponent;
      end = expEnd;
    }
  }
  span.end = end;
  return span;
}

}  // namespace

double ReadNumber(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsDropped(c)) compact.push_back(c);
  }
  const NumberSpan span = FindNumber(compact);
  if (span.end == span.begin) return 0.0;

  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(compact.data() + span.begin, compact.data() + span.end,
                                         value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = span.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return span.negative ? -value : value;
}

}  // namespace lookup
