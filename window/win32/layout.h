// SPDX-License-Identifier: Apache-2.0
// Places the window and its controls from twips at the window's screen resolution.
#pragma once

#include <span>

#include "fonts.h"
#include "windows_api.h"

namespace window {

// The resolution that `window` is shown at, in dots per inch.
int WindowDpi(HWND window);

// Gives `form` the client area of its description at `dpi`, keeping its position.
void SizeForm(HWND form, int dpi);

// Places each of `controls` (in the order of the description) at `dpi`, in `fonts`.
void PlaceControls(std::span<const HWND> controls, int dpi, const Fonts& fonts);

}  // namespace window
