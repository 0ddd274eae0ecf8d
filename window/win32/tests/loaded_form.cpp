// SPDX-License-Identifier: Apache-2.0
// A loaded native window over test data in a folder of its own, and the message pump of the
// program's event loop.
#include "loaded_form.h"

#include <objbase.h>

#include "testing/directory_record.h"
#include "window_text.h"

namespace window_testing {

using lookup_testing::Record;

std::string Directory() {
  return Record("NY", "212", "New York City, Manhattan") + "\r\n" + Record("ZZ", "200", "Lowest") +
         "\r\n" +
         Record("QC", "514",
                "Montr\xE9"
                "al") +
         "\r\n";
}

std::string MetroFile() {
  return "New York City      212 332 646\r\n"
         "Boise\r\n"
         "\r\n"
         "New York City      the second one\r\n"
         "Z\xFCrich \x80 \x9F\r\n";
}

void Pump(const window::Form1& form) {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (form.PreTranslateMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void LoadedForm::SetUp() {
  comInitialized_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  folder.Write("cities.txt", Directory());
  folder.Write("metro.txt", MetroFile());
  ASSERT_TRUE(Load());
}

bool LoadedForm::Load() {
  form.reset();
  form = std::make_unique<window::Form1>(
      [this](HWND, const form::FatalErrorText& text) { reports.push_back(text); });
  const bool loaded = form->Load();
  Pump(*form);
  return loaded;
}

void LoadedForm::TearDown() {
  form.reset();
  // What the window left behind, its quit message among it, is not the next test's.
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  if (comInitialized_) ::CoUninitialize();
}

std::u16string LoadedForm::Results() const { return window::WindowText(Control("Text2")); }

void LoadedForm::LookUp(std::u16string_view entry) {
  window::SetText(Control("Text1"), entry);
  Click("Command1");
}

void LoadedForm::Click(const char* button) {
  ::SendMessageW(Control(button), BM_CLICK, 0, 0);
  Pump(*form);
}

}  // namespace window_testing
