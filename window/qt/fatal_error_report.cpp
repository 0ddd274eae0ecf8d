// SPDX-License-Identifier: Apache-2.0
// What the user is told of an error that ends the program.
#include "fatal_error_report.h"

#include <QDir>
#include <QMessageBox>

namespace window {

QString FatalErrorReport::Message() const {
  return QString::fromStdU16String(
      form::FatalErrorMessage(number, description.toStdU16String(), detail.toStdU16String()));
}

FatalErrorReport DescribeFatalError(const std::exception_ptr& error) {
  const QString folder = QDir::toNativeSeparators(QDir::currentPath());
  const form::FatalErrorText text = form::DescribeFatalError(error, folder.toStdU16String());
  return {text.number, QString::fromStdU16String(text.description),
          QString::fromStdU16String(text.detail)};
}

void ShowFatalErrorReport(QWidget* window, const FatalErrorReport& report) {
  // While the window is still loading it is not on the screen, and the box stands alone.
  QWidget* parent = window != nullptr && window->isVisible() ? window : nullptr;
  QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(form::FatalErrorTitle()),
                  report.Message(), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace window
