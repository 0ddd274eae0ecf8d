// SPDX-License-Identifier: Apache-2.0
// The system libraries that answer assistive tools, loaded when a tool first asks.
#pragma once

// clang-format off
#include "windows_api.h"
#include <oleacc.h>
// clang-format on

namespace window {

// What the controls' accessible objects need of the system.
struct AccessibilityLibraries {
  decltype(&::CreateStdAccessibleObject) createStdAccessibleObject;
  decltype(&::LresultFromObject) lresultFromObject;
  decltype(&::SysAllocStringLen) sysAllocStringLen;
};

// Loads the libraries from the system folder and starts the thread's COM apartment (for the
// objects handed to other processes) on the first call; null when the system lacks them. Call on
// the window's thread only: the apartment is that thread's and ends when the program does.
const AccessibilityLibraries* LoadAccessibilityLibraries() noexcept;

}  // namespace window
