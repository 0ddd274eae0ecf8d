// SPDX-License-Identifier: Apache-2.0
// The canonical text of a number, and its reverse.
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace lookup {
namespace {

// Fifteen significant digits: a double's value as far as it is exact in decimal.
constexpr int kSignificantDigits = 15;
// Outside this range of decimal exponents a number is written in exponent form.
constexpr int kLowestPlainExponent = -5;
constexpr int kHighestPlainExponent = kSignificantDigits - 1;

struct Rounded {
  bool negative = false;
  std::string digits;  // significant digits without trailing zeros; never empty
  int exponent = 0;    // decimal exponent of the first digit
};

Rounded RoundToSignificant(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  Rounded rounded;
  std::size_t i = 0;
  if (text[i] == '-') {
    rounded.negative = true;
    ++i;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') rounded.digits.push_back(text[i]);
  }
  const std::string_view exponent = text.substr(e + 1);
  std::from_chars(exponent.data() + (exponent[0] == '+' ? 1 : 0), exponent.data() + exponent.size(),
                  rounded.exponent);
  while (rounded.digits.size() > 1 && rounded.digits.back() == '0') rounded.digits.pop_back();
  return rounded;
}

std::string PlainForm(const Rounded& r) {
  std::string text = r.negative ? "-" : "";
  if (r.exponent < 0) {
    text.append("0.");
    text.append(static_cast<std::size_t>(-r.exponent - 1), '0');
    text.append(r.digits);
    return text;
  }
  const auto wholeDigits = static_cast<std::size_t>(r.exponent) + 1;
  if (r.digits.size() <= wholeDigits) {
    text.append(r.digits);
    text.append(wholeDigits - r.digits.size(), '0');
    return text;
  }
  text.append(r.digits, 0, wholeDigits);
  text.push_back('.');
  text.append(r.digits, wholeDigits);
  return text;
}

std::string ExponentForm(const Rounded& r) {
  std::string text = r.negative ? "-" : "";
  text.push_back(r.digits[0]);
  if (r.digits.size() > 1) {
    text.push_back('.');
    text.append(r.digits, 1);
  }
  const int magnitude = std::abs(r.exponent);
  text.append(r.exponent < 0 ? "E-" : "E+");
  if (magnitude < 10) text.push_back('0');
  text.append(std::to_string(magnitude));
  return text;
}

// The value that from_chars reads from the whole of `text`; NaN when it reads none.
double ParsedValue(std::string_view text) {
  // from_chars also reads the fixed texts "Infinity", "-Infinity" and "NaN".
  double value = std::numeric_limits<double>::quiet_NaN();
  const auto [ptr, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ptr != text.data() + text.size()) return std::numeric_limits<double>::quiet_NaN();
  if (ec == std::errc::result_out_of_range) {
    // Rounded to fifteen digits, the largest doubles are written as a little more than the
    // largest double; such a text stands for the largest double. Nothing writes a text that
    // underflows.
    const bool negative = text.front() == '-';
    const bool large = text.find("E+") != std::string_view::npos;
    const double magnitude = large ? std::numeric_limits<double>::max() : 0.0;
    return negative ? -magnitude : magnitude;
  }
  return ec == std::errc() ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

std::string NumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0.0) return "0";  // minus zero too: equal values get equal texts
  const Rounded rounded = RoundToSignificant(value);
  if (rounded.exponent < kLowestPlainExponent || rounded.exponent > kHighestPlainExponent) {
    return ExponentForm(rounded);
  }
  return PlainForm(rounded);
}

double NumberValue(std::string_view text) {
  const double value = ParsedValue(text);
  // Only a text that NumberText writes denotes a value; '0212', '2e2' or 'inf' do not.
  return NumberText(value) == text ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace lookup
