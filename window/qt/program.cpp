// SPDX-License-Identifier: Apache-2.0
// The program's life from start to end.
#include "program.h"

#include <QApplication>

#include "fonts.h"
#include "form1.h"

namespace window {

int RunProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("Vantrel Area Code"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
  InstallFontSubstitutes();
  Form1 form;
  if (!form.Load()) return kFatalErrorExitStatus;  // reported; the window is never shown
  form.show();
  return QApplication::exec();
}

}  // namespace window
