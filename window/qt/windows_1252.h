// SPDX-License-Identifier: Apache-2.0
// The data files' character set, Windows-1252, to Qt text and back.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace window {

// The conversions of form/windows_1252.h, on Qt's text.

// The characters of the file bytes `bytes`.
QString FromFileBytes(const std::string& bytes);

// The file bytes of `text`; nothing when it holds a character that has no byte.
std::optional<std::string> ToFileBytes(const QString& text);

// The file bytes of `text`, with `substitute` for every character that has no byte.
std::string ToFileBytes(const QString& text, char substitute);

}  // namespace window
