#include "window_test_support.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace window::testing {

CurrentTempFolder::CurrentTempFolder() : previous_(QDir::currentPath()) {
  if (!folder_.isValid() || !QDir::setCurrent(folder_.path())) {
    throw std::runtime_error("cannot make a temporary folder");
  }
}

CurrentTempFolder::~CurrentTempFolder() { QDir::setCurrent(previous_); }

void CurrentTempFolder::Write(const QString& name, const QByteArray& bytes) const {
  QFile file(QDir(folder_.path()).filePath(name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write a test file");
  }
}

QByteArray Record(const QByteArray& region, const QByteArray& code, const QByteArray& city) {
  return "COUNTRY     " + region + "  " + code + "     " + city;
}

}  // namespace window::testing
