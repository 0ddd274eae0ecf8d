// SPDX-License-Identifier: Apache-2.0
// Twips to pixels at the standard and at higher resolutions.
#include "form/twips.h"

#include <gtest/gtest.h>

namespace {

using form::PixelRect;
using form::ToPixels;
using form::TwipsRect;

TEST(Twips, FifteenTwipsArePixelAtStandardResolution) {
  EXPECT_EQ(ToPixels(6255, 96), 417);
  EXPECT_EQ(ToPixels(4530, 96), 302);
  EXPECT_EQ(ToPixels(0, 96), 0);
  EXPECT_EQ(ToPixels(7, 96), 0);  // under half a pixel
  EXPECT_EQ(ToPixels(8, 96), 1);  // over half a pixel
  EXPECT_EQ(ToPixels(-8, 96), -1);
  EXPECT_EQ(ToPixels(1440, 144), 144);
  EXPECT_EQ(ToPixels(6255, 144), 626);                   // 625.5: halves round up
  EXPECT_EQ(ToPixels(2'000'000'000, 480), 666'666'667);  // no overflow on the way
}

TEST(Twips, RectanglesRoundTheirEdgesSoThatNeighboursStillMeet) {
  EXPECT_EQ(ToPixels(TwipsRect{840, 840, 1215, 495}, 96), (PixelRect{56, 56, 81, 33}));
  // At 144 dpi the edges fall on half pixels; each rounds alike wherever it is used.
  const PixelRect left = ToPixels(TwipsRect{0, 2760, 1215, 1695}, 144);
  const PixelRect right = ToPixels(TwipsRect{1215, 2760, 5040, 1695}, 144);
  EXPECT_EQ(left.left + left.width, right.left);
  EXPECT_EQ(right.left + right.width, ToPixels(6255, 144));
  EXPECT_EQ(left, (PixelRect{0, 276, 122, 170}));
}

}  // namespace
