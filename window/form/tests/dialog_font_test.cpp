// SPDX-License-Identifier: Apache-2.0
// The dialog font's family on this system and its sizes in pixels.
#include "form/dialog_font.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogFont, FamilyOfThisSystem) {
#ifdef _WIN32
  EXPECT_EQ(form::DialogFontFamily(), "Microsoft Sans Serif");
  EXPECT_TRUE(form::DialogFontSubstitutes().empty());
#else
  EXPECT_EQ(form::DialogFontFamily(), "MS Sans Serif");
  ASSERT_FALSE(form::DialogFontSubstitutes().empty());
  EXPECT_EQ(form::DialogFontSubstitutes().front(), "Liberation Sans");
#endif
}

TEST(DialogFont, PixelHeightsAtStandardAndHigherResolution) {
  EXPECT_EQ(form::FontPixelHeight(form::kWindowDefaultFontPoints, 96), 11);  // 10.67
  EXPECT_EQ(form::FontPixelHeight(12, 96), 16);
  EXPECT_EQ(form::FontPixelHeight(13.5, 96), 18);
  EXPECT_EQ(form::FontPixelHeight(9.75, 96), 13);
  EXPECT_EQ(form::FontPixelHeight(9.75, 144), 20);  // 19.5
  EXPECT_EQ(form::FontPixelHeight(13.5, 144), 27);
}

}  // namespace
