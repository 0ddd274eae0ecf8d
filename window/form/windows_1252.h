// SPDX-License-Identifier: Apache-2.0
// The data files' character set, Windows-1252, to UTF-16 text and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace form {

// The data files are Windows-1252: each of the 256 bytes is one character, and back. The five
// bytes that code page leaves undefined stand for the control characters of the same number.

// Stands in an entry for a character that has no byte: it stops the number that the entry begins
// with, as any character that no number holds does.
inline constexpr char kNoByteSubstitute = '?';

// The characters of the file bytes `bytes`.
std::u16string FromFileBytes(std::string_view bytes);

// The file bytes of `text`; nothing when it holds a character that has no byte.
std::optional<std::string> ToFileBytes(std::u16string_view text);

// The file bytes of `text`, with `substitute` for every character that has no byte.
std::string ToFileBytes(std::u16string_view text, char substitute);

}  // namespace form
