// SPDX-License-Identifier: Apache-2.0
// A loaded native window over test data in a folder of its own, and the message pump of the
// program's event loop.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form/fatal_error_text.h"
#include "form1.h"
#include "testing/temp_folder.h"
#include "windows_api.h"

namespace window_testing {

// The directory and metro file every test starts with.
std::string Directory();
std::string MetroFile();

// Handles every message waiting for this thread as the program's event loop does, the window's
// keys first; a quit message that the window posted on its end is taken away.
void Pump(const window::Form1& form);

// The class name of `window`, such as "EDIT".
std::wstring ClassName(HWND window);

// `window`'s rectangle in the client area of its parent, in pixels.
RECT RectInParent(HWND window);

// A window loaded over the test data, with the fatal errors it reported. Tests that need the
// system's COM (accessibility) find it initialised.
class LoadedForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The window loaded with the files as they stand; false when the load failed.
  bool Load();
  HWND Control(const char* name) const { return form->Control(name); }
  std::u16string Results() const;
  // Types `entry` into Text1 and clicks "Where is that area code".
  void LookUp(std::u16string_view entry);
  void Click(const char* button);

  lookup_testing::TempFolder folder;
  std::vector<form::FatalErrorText> reports;
  std::unique_ptr<window::Form1> form;

 private:
  bool comInitialized_ = false;
};

}  // namespace window_testing
