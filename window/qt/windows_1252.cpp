// SPDX-License-Identifier: Apache-2.0
// The data files' character set, Windows-1252, to Qt text and back.
#include "windows_1252.h"

#include <array>

namespace window {
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

QString FromFileBytes(const std::string& bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char byte : bytes) *out++ = QChar(CharacterOf(static_cast<unsigned char>(byte)));
  return text;
}

std::optional<std::string> ToFileBytes(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar character : text) {
    const std::optional<char> byte = ByteOf(character.unicode());
    if (!byte) return std::nullopt;
    bytes.push_back(*byte);
  }
  return bytes;
}

std::string ToFileBytes(const QString& text, char substitute) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar character : text) bytes.push_back(ByteOf(character.unicode()).value_or(substitute));
  return bytes;
}

}  // namespace window
