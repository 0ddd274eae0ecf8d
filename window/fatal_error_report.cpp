#include "fatal_error_report.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <new>

#include "fatal_error.h"

namespace window {
namespace {

constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;
constexpr int kFatalExitStatus = 1;

QString FileDetail(const lookup::FatalError& error) {
  QString file = QString::fromStdString(error.File());
  const QString folder = QDir::toNativeSeparators(QDir::currentPath());
  switch (error.Code()) {
    case lookup::ErrorNumber::kFileNotFound:
      return QStringLiteral("\"%1\" was not found in %2.").arg(file, folder);
    case lookup::ErrorNumber::kPermissionDenied:
      return QStringLiteral("\"%1\" in %2 may not be read.").arg(file, folder);
    case lookup::ErrorNumber::kPathFileAccess:
      return QStringLiteral("\"%1\" in %2 is not a file that can be read.").arg(file, folder);
    case lookup::ErrorNumber::kDeviceIo:
      return QStringLiteral("\"%1\" in %2 could not be read.").arg(file, folder);
  }
  return file;
}

}  // namespace

QString FatalErrorReport::Message() const {
  QString message = QStringLiteral("Run-time error %1: %2").arg(number).arg(description);
  if (!detail.isEmpty()) message += QStringLiteral("\n\n") + detail;
  return message;
}

FatalErrorReport DescribeFatalError(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const lookup::FatalError& fatal) {
    return {fatal.Number(), QString::fromStdString(fatal.Description()), FileDetail(fatal)};
  } catch (const std::bad_alloc&) {
    return {kOutOfMemory, QStringLiteral("Out of memory"), {}};
  } catch (const std::exception& other) {
    return {kInternalError, QStringLiteral("Internal error"), QString::fromLocal8Bit(other.what())};
  } catch (...) {
    return {kInternalError, QStringLiteral("Internal error"), {}};
  }
}

void ReportFatalErrorAndEnd(QWidget* window, const FatalErrorReport& report) {
  // The window is shown only once it has loaded, just before the event loop starts; an error
  // while loading ends the program by the start-up's own return instead.
  const bool eventLoopRuns = window != nullptr && window->isVisible();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantrel Area Code"), report.Message(),
                  QMessageBox::Ok, eventLoopRuns ? window : nullptr);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  if (!eventLoopRuns) return;
  // Nothing may run after the error: the window goes before the event loop is left.
  window->hide();
  QCoreApplication::exit(kFatalExitStatus);
}

}  // namespace window
