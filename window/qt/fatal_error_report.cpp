// SPDX-License-Identifier: Apache-2.0
// What the user is told of an error that ends the program.
#include "fatal_error_report.h"

#include <QDir>
#include <QMessageBox>
#include <new>

#include "fatal_error.h"

namespace window {
namespace {

using lookup::ErrorNumber;

QString FileDetail(const lookup::FatalError& error) {
  QString file = QString::fromStdString(error.File());
  const QString folder = QDir::toNativeSeparators(QDir::currentPath());
  switch (error.Number()) {
    case ErrorNumber::kFileNotFound:
      return QStringLiteral("\"%1\" was not found in %2.").arg(file, folder);
    case ErrorNumber::kPermissionDenied:
      return QStringLiteral("\"%1\" in %2 may not be read.").arg(file, folder);
    case ErrorNumber::kPathFileAccess:
      return QStringLiteral("\"%1\" in %2 is not a file that can be read.").arg(file, folder);
    case ErrorNumber::kDeviceIo:
      return QStringLiteral("\"%1\" in %2 could not be read.").arg(file, folder);
    case ErrorNumber::kOutOfMemory:
    case ErrorNumber::kInternalError:
      break;
  }
  return file;
}

FatalErrorReport ReportOf(ErrorNumber number, QString detail = {}) {
  return {number, QString::fromStdString(lookup::DescriptionOf(number)), std::move(detail)};
}

}  // namespace

QString FatalErrorReport::Message() const {
  QString message =
      QStringLiteral("Run-time error %1: %2").arg(static_cast<int>(number)).arg(description);
  if (!detail.isEmpty()) message += QStringLiteral("\n\n") + detail;
  return message;
}

FatalErrorReport DescribeFatalError(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const lookup::FatalError& fatal) {
    return ReportOf(fatal.Number(), FileDetail(fatal));
  } catch (const std::bad_alloc&) {
    return ReportOf(ErrorNumber::kOutOfMemory);
  } catch (const std::exception& other) {
    return ReportOf(ErrorNumber::kInternalError, QString::fromLocal8Bit(other.what()));
  } catch (...) {
    return ReportOf(ErrorNumber::kInternalError);
  }
}

void ShowFatalErrorReport(QWidget* window, const FatalErrorReport& report) {
  // While the window is still loading it is not on the screen, and the box stands alone.
  QWidget* parent = window != nullptr && window->isVisible() ? window : nullptr;
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantrel Area Code"), report.Message(),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace window
