// SPDX-License-Identifier: Apache-2.0
// Window positions and sizes given in twips.
#pragma once

#include <QRect>

namespace window {

// Layout is given in twips; at 96 dots per inch a pixel is 15 twips, and Qt's high-DPI scaling
// takes the pixels on from there.
constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

}  // namespace window
