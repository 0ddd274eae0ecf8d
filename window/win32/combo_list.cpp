// SPDX-License-Identifier: Apache-2.0
// Filling a combo box's list: many items quickly, without a redraw for each.
#include "combo_list.h"

#include <new>

namespace window {
namespace {

constexpr LRESULT kFirstReservation = 64;

// Whether the list should be told of more items to come once it holds `count`: at every power of
// two, so that its storage grows by doubling, not by a few items at a time, which under wine makes
// the fill of a long list take time that grows with the square of its length. One reservation
// for the whole list, made ahead of the fill, does not do: wine's list gives back what it has not
// used yet at the next item added.
bool ReservesAt(LRESULT count) { return count >= kFirstReservation && (count & (count - 1)) == 0; }

}  // namespace

HWND ComboDropDownList(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!::GetComboBoxInfo(combo, &info) || info.hwndList == nullptr) throw std::bad_alloc();
  return info.hwndList;
}

void AppendListItem(HWND list, const std::wstring& item) {
  const LRESULT added =
      ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (added == LB_ERR || added == LB_ERRSPACE) throw std::bad_alloc();
  const LRESULT count = added + 1;
  if (ReservesAt(count)) {
    // As many items again, of this one's length; a list that cannot is only slower.
    const auto textBytes = static_cast<LPARAM>((item.size() + 1) * sizeof(wchar_t));
    ::SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(count), count * textBytes);
  }
}

RedrawPause::RedrawPause(HWND control) : control_(control) {
  ::SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
}

RedrawPause::~RedrawPause() {
  ::SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(control_, nullptr, TRUE);
}

}  // namespace window
