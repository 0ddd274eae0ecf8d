// SPDX-License-Identifier: Apache-2.0
// NumberText and NumberValue on any doubles against texts made from the C library's own rounding
// to 15 digits: the same text; the text reads back as the same rounded value; two values have
// equal texts exactly when their rounded values are equal; any other text has no value.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "number_text.h"
#include "testing/reference_numbers.h"

namespace {

bool SameValue(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

void CheckText(double value) {
  const std::string text = lookup::NumberText(value);
  fuzz::Require(text == lookup_testing::ReferenceNumberText(value));
  const double back = lookup::NumberValue(text);
  fuzz::Require(SameValue(back, lookup_testing::ReferenceNumberValue(text)));
  fuzz::Require(lookup::NumberText(back) == text);
}

// Equal rounded values give equal texts, and distinct ones distinct texts.
void CheckPair(double a, double b) {
  const bool sameRounded =
      lookup_testing::ReferenceRounded(a) == lookup_testing::ReferenceRounded(b);
  fuzz::Require(sameRounded == (lookup::NumberText(a) == lookup::NumberText(b)));
}

double DoubleAt(const std::uint8_t* data) {
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Any text: only the canonical ones have a value.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::Require(SameValue(lookup::NumberValue(text), lookup_testing::ReferenceNumberValue(text)));

  // The value a decimal text stands for, such as 212.5 or 199.99999999999997.
  const double decimal = lookup_testing::ReferenceReadNumber(text);
  CheckText(decimal);
  CheckPair(decimal, std::nextafter(decimal, 0.0));
  CheckPair(decimal, std::nextafter(decimal, HUGE_VAL));

  if (size < sizeof(double) + 1) return 0;
  const double value = DoubleAt(data);
  // A neighbour up to 255 steps away, close enough to round to the same 15 digits or not.
  const int steps = data[sizeof(double)];
  double neighbour = value;
  for (int i = 0; i < steps; ++i) neighbour = std::nextafter(neighbour, HUGE_VAL);
  // A second value from the input, and one of a round decimal order.
  const double other = size >= 2 * sizeof(double) + 1 ? DoubleAt(data + sizeof(double) + 1) : 0;
  const double scaled = value * 1e15;
  for (const double v : {value, neighbour, other, scaled, -value}) CheckText(v);
  CheckPair(value, neighbour);
  CheckPair(value, other);
  CheckPair(neighbour, -value);
  return 0;
}
