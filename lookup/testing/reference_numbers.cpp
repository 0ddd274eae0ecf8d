// SPDX-License-Identifier: Apache-2.0
// Reference number rules: a character-by-character reader, and texts from printf's rounding.
#include "reference_numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace lookup_testing {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the reader stands in the grammar of a decimal number.
enum class Place {
  kStart,           // nothing read yet
  kAfterSign,       // a sign, no digit yet
  kWholeDigits,     // in the digits before the full stop
  kPointNoDigits,   // a full stop with no digit before it
  kFractionDigits,  // after the full stop, with a digit somewhere
  kExponentLetter,  // after E
  kExponentSign,    // after E and its sign
  kExponentDigits,  // in the exponent's digits
};

// What the reader has taken in so far.
struct Reading {
  bool negative = false;
  std::string digits;  // every mantissa digit, the full stop left out
  long long fractionDigits = 0;
  bool exponentNegative = false;
  std::string exponentDigits;
};

// Moves the reader on by one character; false when the character cannot continue the number.
bool Step(Place& place, Reading& r, char c) {
  switch (place) {
    case Place::kStart:
      if (c == '+' || c == '-') {
        r.negative = c == '-';
        place = Place::kAfterSign;
        return true;
      }
      [[fallthrough]];
    case Place::kAfterSign:
      if (IsDigit(c)) {
        r.digits += c;
        place = Place::kWholeDigits;
        return true;
      }
      if (c == '.') {
        place = Place::kPointNoDigits;
        return true;
      }
      return false;
    case Place::kWholeDigits:
      if (IsDigit(c)) {
        r.digits += c;
        return true;
      }
      if (c == '.') {
        place = Place::kFractionDigits;
        return true;
      }
      if (c == 'e' || c == 'E') {
        place = Place::kExponentLetter;
        return true;
      }
      return false;
    case Place::kPointNoDigits:
      if (!IsDigit(c)) return false;
      r.digits += c;
      r.fractionDigits = 1;
      place = Place::kFractionDigits;
      return true;
    case Place::kFractionDigits:
      if (IsDigit(c)) {
        r.digits += c;
        ++r.fractionDigits;
        return true;
      }
      if (c == 'e' || c == 'E') {
        place = Place::kExponentLetter;
        return true;
      }
      return false;
    case Place::kExponentLetter:
      if (c == '+' || c == '-') {
        r.exponentNegative = c == '-';
        place = Place::kExponentSign;
        return true;
      }
      [[fallthrough]];
    case Place::kExponentSign:
    case Place::kExponentDigits:
      if (!IsDigit(c)) return false;
      r.exponentDigits += c;
      place = Place::kExponentDigits;
      return true;
  }
  return false;
}

// The value of a reading that holds at least one digit.
double ValueOf(const Reading& r) {
  const std::size_t firstNonZero = r.digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return r.negative ? -0.0 : 0.0;
  const std::string exponentText = r.exponentDigits.substr(
      std::min(r.exponentDigits.find_first_not_of('0'), r.exponentDigits.size()));
  double magnitude = 0;
  if (exponentText.size() > 15) {
    // Ten to the power of more than 10^15 outweighs any digits that fit in memory.
    magnitude = r.exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
  } else {
    long long exponent = exponentText.empty() ? 0 : std::stoll(exponentText);
    if (r.exponentNegative) exponent = -exponent;
    exponent -= r.fractionDigits;
    // Trailing zeros go into the exponent: some C libraries misjudge a long run of them against
    // a large exponent (MinGW's misreads '212', a million zeros and 'e-10000000').
    std::string digits = r.digits.substr(firstNonZero);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits.resize(last + 1);
    // Digits and a power of ten, with no full stop that a locale could spell differently.
    const std::string text = digits + "e" + std::to_string(exponent);
    magnitude = std::strtod(text.c_str(), nullptr);
  }
  return r.negative ? -magnitude : magnitude;
}

// The digits and exponent of printf's rounding of a finite, non-zero value to 15 digits.
struct Printed {
  bool negative = false;
  std::string digits;  // 15 of them
  int exponent = 0;
};

Printed PrintRounded(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  Printed p;
  const char* at = buffer;
  if (*at == '-') {
    p.negative = true;
    ++at;
  }
  for (; *at != 'e'; ++at) {
    if (IsDigit(*at)) p.digits += *at;
  }
  p.exponent = std::atoi(at + 1);
  return p;
}

}  // namespace

double ReferenceReadNumber(std::string_view text) {
  Place place = Place::kStart;
  Reading reading;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    if (!Step(place, reading, c)) break;
  }
  if (reading.digits.empty()) return 0.0;  // nothing, a sign, a full stop: no number
  // A letter E, and perhaps a sign, with no digit after them are no part of the number.
  if (place == Place::kExponentLetter || place == Place::kExponentSign) {
    reading.exponentNegative = false;
  }
  return ValueOf(reading);
}

std::string ReferenceRounded(double value) {
  if (std::isnan(value)) return "nan";  // every NaN alike, whatever its sign and payload
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  return buffer;
}

std::string ReferenceNumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0) return "0";
  Printed p = PrintRounded(value);
  while (p.digits.size() > 1 && p.digits.back() == '0') p.digits.pop_back();
  std::string text = p.negative ? "-" : "";
  if (p.exponent < -5 || p.exponent > 14) {
    text += p.digits[0];
    if (p.digits.size() > 1) text.append(".").append(p.digits, 1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", p.exponent < 0 ? '-' : '+',
                  std::abs(p.exponent));
    return text + exponent;
  }
  // Plain form: put the full stop after the digit worth 10^0, padding with zeros either side.
  std::string digits = p.digits;
  int point = p.exponent + 1;  // digits before the full stop
  if (point <= 0) {
    digits.insert(0, static_cast<std::size_t>(1 - point), '0');
    point = 1;
  }
  if (digits.size() < static_cast<std::size_t>(point)) {
    digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
  }
  text += digits.substr(0, static_cast<std::size_t>(point));
  if (digits.size() > static_cast<std::size_t>(point)) {
    text.append(".").append(digits, static_cast<std::size_t>(point));
  }
  return text;
}

double ReferenceNumberValue(std::string_view text) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  if (text == "NaN") return kNaN;
  if (text == "Infinity") return std::numeric_limits<double>::infinity();
  if (text == "-Infinity") return -std::numeric_limits<double>::infinity();
  // Only the characters a canonical text can hold: a sign, digits, a full stop, E and its sign.
  for (char c : text) {
    if (!IsDigit(c) && c != '-' && c != '+' && c != '.' && c != 'E') return kNaN;
  }
  double value = ReferenceReadNumber(text);
  if (std::isinf(value)) {
    // The texts of the very largest doubles round up past the largest; they stand for it.
    value = std::copysign(std::numeric_limits<double>::max(), value);
  }
  return ReferenceNumberText(value) == text ? value : kNaN;
}

}  // namespace lookup_testing
