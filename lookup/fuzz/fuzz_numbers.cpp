// SPDX-License-Identifier: Apache-2.0
// ReadNumber and NumberText on any text: neither fails, writing a number and reading it back is
// stable, and blanks, tabs and line feeds anywhere never change what a text reads as.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "number_text.h"
#include "read_number.h"

namespace {

// Fifteen-digit rounding takes values this close to the largest double beyond its range, so
// their texts read back as infinity.
constexpr double kLargestRoundTrip = 1.79769313486231e308;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckRoundTrip(double value) {
  const std::string text = lookup::NumberText(value);
  Require(!text.empty());
  if (std::isnan(value)) return;
  Require(lookup::NumberText(lookup::NumberValue(text)) == text);
  if (std::fabs(value) <= kLargestRoundTrip) {
    Require(lookup::NumberText(lookup::ReadNumber(text)) == text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = lookup::ReadNumber(text);
  Require(!std::isnan(value));
  CheckRoundTrip(value);

  if (size >= sizeof(double)) {  // any double, from the raw bytes
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckRoundTrip(raw);
  }

  // The same text with blanks, tabs and line feeds put in at positions taken from the input.
  std::string spaced;
  constexpr char kDropped[] = {' ', '\t', '\n'};
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] % 5 == 0) spaced.push_back(kDropped[data[i] % 3]);
    spaced.push_back(static_cast<char>(data[i]));
  }
  std::string stripped;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') stripped.push_back(c);
  }
  Require(lookup::NumberText(lookup::ReadNumber(spaced)) == lookup::NumberText(value));
  Require(lookup::NumberText(lookup::ReadNumber(stripped)) == lookup::NumberText(value));
  return 0;
}
