// SPDX-License-Identifier: Apache-2.0
// MidText at and beyond the ends of a text.
#include "mid_text.h"

#include <gtest/gtest.h>

namespace lookup {
namespace {

TEST(MidText, CutsFieldsByPosition) {
  constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  struct Case {
    std::string_view text;
    std::size_t start, length;
    std::string_view expected;
  };
  const Case cases[] = {
      {kAlphabet, 13, 2, "MN"},
      {kAlphabet, 17, 3, "QRS"},
      {kAlphabet, 25, 500, "YZ"},
      {kAlphabet, 1, 19, "ABCDEFGHIJKLMNOPQRS"},
      {kAlphabet, 26, 3, "Z"},
      {kAlphabet, 27, 3, ""},
      {"ABCDE", 13, 2, ""},
      {"ABCDE", 1, 19, "ABCDE"},
      {"", 1, 19, ""},
      {kAlphabet, 5, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MidText(c.text, c.start, c.length), c.expected)
        << c.text << " (" << c.start << ", " << c.length << ")";
  }
}

}  // namespace
}  // namespace lookup
