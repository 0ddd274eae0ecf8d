// SPDX-License-Identifier: Apache-2.0
// The window's fonts at one screen resolution.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <type_traits>

#include "windows_api.h"

namespace window {

// The dialog font in every size the window's controls use, made for `dpi` dots per inch; the
// fonts live as long as this set.
class Fonts {
 public:
  explicit Fonts(int dpi);

  // The font of `points`; nothing stands for the window's default font.
  HFONT For(std::optional<double> points) const;

 private:
  struct Deleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
  };
  using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, Deleter>;

  std::map<double, Font> fonts_;
};

}  // namespace window
