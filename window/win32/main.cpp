// SPDX-License-Identifier: Apache-2.0
// The program's entry point on Windows.
#include "program.h"
#include "windows_api.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  return window::RunProgram();
}
