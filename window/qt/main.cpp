// SPDX-License-Identifier: Apache-2.0
// The program's entry point.
#include <QApplication>

#include "program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  return window::RunProgram();
}
