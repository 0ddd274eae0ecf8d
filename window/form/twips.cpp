// SPDX-License-Identifier: Apache-2.0
// Window positions and sizes in twips, and in pixels at a screen's resolution.
#include "form/twips.h"

#include <cstdint>

namespace form {

int ToPixels(int twips, int dpi) {
  const std::int64_t scaled = std::int64_t{twips} * dpi;
  const std::int64_t half = scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2;
  return static_cast<int>((scaled + half) / kTwipsPerInch);
}

PixelRect ToPixels(const TwipsRect& rect, int dpi) {
  const int left = ToPixels(rect.left, dpi);
  const int top = ToPixels(rect.top, dpi);
  return {left, top, ToPixels(rect.left + rect.width, dpi) - left,
          ToPixels(rect.top + rect.height, dpi) - top};
}

}  // namespace form
