// SPDX-License-Identifier: Apache-2.0
// The Windows-1252 conversion of file bytes to UTF-16 characters and back.
#include "form/windows_1252.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using form::FromFileBytes;
using form::ToFileBytes;

TEST(Windows1252, EveryByteIsOneCharacterBothWays) {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
  const std::u16string text = FromFileBytes(bytes);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(ToFileBytes(text), bytes);
  EXPECT_EQ(ToFileBytes(text, '?'), bytes);
  EXPECT_EQ(std::set<char16_t>(text.begin(), text.end()).size(), 256u);  // no two share one
}

TEST(Windows1252, MapsTheCodePage) {
  const struct {
    unsigned char byte;
    char16_t character;
  } cases[] = {{0x00, 0x0000}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x91, 0x2018},
               {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}};
  for (const auto& c : cases) {
    EXPECT_EQ(FromFileBytes(std::string(1, static_cast<char>(c.byte))),
              std::u16string(1, c.character))
        << int{c.byte};
  }
}

TEST(Windows1252, CharactersWithoutAByteNeverPassAsOne) {
  for (const std::u16string& text :
       {std::u16string(1, 0x0080), std::u16string(1, 0x0100), std::u16string(u"Boise \u03A9"),
        std::u16string(u"\U0001F600"), std::u16string(1, 0xD800)}) {
    EXPECT_EQ(ToFileBytes(text), std::nullopt);
    const std::string substituted = ToFileBytes(text, form::kNoByteSubstitute);
    EXPECT_EQ(substituted.size(), text.size());
    EXPECT_NE(substituted.find('?'), std::string::npos);
  }
}

}  // namespace
