// SPDX-License-Identifier: Apache-2.0
// ReadNumber on any text against a character-by-character reader of the number grammar: the same
// double, bit for bit (the sign of a zero included), also with blanks put in anywhere.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "read_number.h"
#include "testing/reference_numbers.h"

namespace {

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void Check(std::string_view text) {
  fuzz::Require(SameDouble(lookup::ReadNumber(text), lookup_testing::ReferenceReadNumber(text)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text);

  // The same text with blanks, tabs and line feeds put in at positions taken from the input.
  std::string spaced;
  constexpr char kDropped[] = {' ', '\t', '\n'};
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte % 5 == 0) spaced.push_back(kDropped[byte % 3]);
    spaced.push_back(c);
  }
  Check(spaced);
  return 0;
}
