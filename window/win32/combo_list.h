// SPDX-License-Identifier: Apache-2.0
// Filling a combo box's list: many items quickly, without a redraw for each.
#pragma once

#include <string>

#include "windows_api.h"

namespace window {

// The drop-down list of `combo`, which holds its items. Throws std::bad_alloc when it has none,
// which the system failed to make.
HWND ComboDropDownList(HWND combo);

// Appends `item` as the last item of `list`, a combo box's drop-down list, as the combo box's own
// CB_ADDSTRING would. Throws std::bad_alloc when the list has no room for it.
void AppendListItem(HWND list, const std::wstring& item);

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
