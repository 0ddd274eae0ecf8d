// SPDX-License-Identifier: Apache-2.0
// Window positions and sizes in twips, and in pixels at a screen's resolution.
#pragma once

namespace form {

inline constexpr int kTwipsPerInch = 1440;
// The resolution at which a pixel is 15 twips, and Windows' and Qt's logical resolution.
inline constexpr int kStandardDpi = 96;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct PixelRect {
  int left;
  int top;
  int width;
  int height;

  bool operator==(const PixelRect&) const = default;
};

// `twips` in pixels at `dpi` dots per inch, rounded to the nearest pixel (halves away from 0).
int ToPixels(int twips, int dpi);

// `rect` in pixels at `dpi`. Its edges are rounded, not its size, so that controls that meet in
// twips meet in pixels too.
PixelRect ToPixels(const TwipsRect& rect, int dpi);

}  // namespace form
