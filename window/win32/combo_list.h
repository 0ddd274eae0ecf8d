// SPDX-License-Identifier: Apache-2.0
// Filling a combo box's list: many items quickly, without a redraw for each.
#pragma once

#include <string>

#include "windows_api.h"

namespace window {

// Appends `item` as the last item of `combo`'s list. Throws std::bad_alloc when the list has no
// room for it.
void AppendComboItem(HWND combo, const std::wstring& item);

// Keeps a control from redrawing while this lives, then has it redrawn whole: a list that is
// filled then updates its scroll bar and paints once, not once an item.
class RedrawPause {
 public:
  explicit RedrawPause(HWND control);
  ~RedrawPause();
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND control_;
};

}  // namespace window
