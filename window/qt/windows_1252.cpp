// SPDX-License-Identifier: Apache-2.0
// The data files' character set, Windows-1252, to Qt text and back.
#include "windows_1252.h"

#include "form/windows_1252.h"

namespace window {

QString FromFileBytes(const std::string& bytes) {
  return QString::fromStdU16String(form::FromFileBytes(bytes));
}

std::optional<std::string> ToFileBytes(const QString& text) {
  return form::ToFileBytes(text.toStdU16String());
}

std::string ToFileBytes(const QString& text, char substitute) {
  return form::ToFileBytes(text.toStdU16String(), substitute);
}

}  // namespace window
