// SPDX-License-Identifier: Apache-2.0
// The message box that tells the user of an error that ends the program.
#include "fatal_error_box.h"

#include <string>

#include "window_text.h"

namespace window {
namespace {

std::u16string CurrentFolder() {
  std::wstring folder(::GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return Utf16(folder);
}

}  // namespace

form::FatalErrorText DescribeFatalError(const std::exception_ptr& error) {
  return form::DescribeFatalError(error, CurrentFolder());
}

void ShowFatalErrorBox(HWND window, const form::FatalErrorText& text) {
  // While the window is still loading it is not on the screen, and the box stands alone.
  HWND owner = window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
  const std::wstring message =
      Wide(form::FatalErrorMessage(text.number, text.description, text.detail));
  const std::wstring title = Wide(form::FatalErrorTitle());
  ::MessageBoxW(owner, message.c_str(), title.c_str(),
                MB_OK | MB_ICONERROR | (owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL));
}

}  // namespace window
