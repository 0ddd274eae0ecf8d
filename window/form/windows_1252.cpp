// SPDX-License-Identifier: Apache-2.0
// The data files' character set, Windows-1252, to UTF-16 text and back.
#include "form/windows_1252.h"

#include <array>

namespace form {
namespace {

// The characters of bytes 0x80 to 0x9F, printable but for the five bytes the code page leaves
// undefined; every other byte is the character of the same number.
constexpr std::array<char16_t, 32> kCharactersOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr char16_t kFirstHigh = 0x80;
constexpr char16_t kPastHigh = 0xA0;
constexpr char16_t kPastLatin1 = 0x100;

char16_t CharacterOf(unsigned char byte) {
  if (byte >= kFirstHigh && byte < kPastHigh) return kCharactersOf80To9F[byte - kFirstHigh];
  return byte;
}

std::optional<char> ByteOf(char16_t character) {
  if (character < kFirstHigh || (character >= kPastHigh && character < kPastLatin1)) {
    return static_cast<char>(static_cast<unsigned char>(character));
  }
  for (std::size_t i = 0; i < kCharactersOf80To9F.size(); ++i) {
    if (kCharactersOf80To9F[i] == character) return static_cast<char>(kFirstHigh + i);
  }
  return std::nullopt;
}

}  // namespace

std::u16string FromFileBytes(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(CharacterOf(static_cast<unsigned char>(byte)));
  return text;
}

std::optional<std::string> ToFileBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t character : text) {
    const std::optional<char> byte = ByteOf(character);
    if (!byte) return std::nullopt;
    bytes.push_back(*byte);
  }
  return bytes;
}

std::string ToFileBytes(std::u16string_view text, char substitute) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t character : text) bytes.push_back(ByteOf(character).value_or(substitute));
  return bytes;
}

}  // namespace form
