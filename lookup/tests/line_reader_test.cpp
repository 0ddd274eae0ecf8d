// SPDX-License-Identifier: Apache-2.0
// LineReader: terminators, buffer boundaries, cut lines and file errors.
#include "line_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fatal_error.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::ReadLines;
using lookup_testing::TempFolder;

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsAtEveryKindOfTerminator) {
  struct Case {
    std::string bytes;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},
      {"\r\r\r", {"", "", ""}},
      {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
      {"a\032b\r\n\032", {"a\032b", "\032"}},  // Ctrl-Z ends nothing, as it would in text mode
  };
  for (const auto& c : cases) {
    TempFolder folder;
    folder.Write("lines.txt", c.bytes);
    EXPECT_EQ(ReadLines("lines.txt"), c.expected) << ::testing::PrintToString(c.bytes);
  }
}

// Every line of the file, read through the view or through the copying call.
std::vector<std::string> ReadLineViews(const std::string& name, std::size_t maxChars) {
  LineReader reader;
  reader.Open(name);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.emplace_back(reader.NextLineView(maxChars));
  return lines;
}

TEST(LineReader, TerminatorSplitAcrossReadsIsOneTerminator) {
  // CR LF pairs, lone CRs and long lines that straddle the reader's buffer boundaries (64 KiB).
  for (std::size_t length : {65534u, 65535u, 65536u, 65537u, 131071u, 600000u}) {
    for (const std::string end : {"\r\n", "\r", "\n"}) {
      TempFolder folder;
      const std::string longLine(length, 'x');
      folder.Write("lines.txt", longLine + end + "next" + end + std::string(length, 'y') + end);
      const Lines expected = {longLine, "next", std::string(length, 'y')};
      EXPECT_EQ(ReadLines("lines.txt"), expected) << length;
      EXPECT_EQ(ReadLineViews("lines.txt", LineReader::kWholeLine), expected) << length;
      EXPECT_EQ(ReadLineViews("lines.txt", 3), (Lines{"xxx", "nex", "yyy"})) << length;
    }
  }
}

TEST(LineReader, ViewsOfManyShortLinesAcrossBuffers) {
  TempFolder folder;
  std::string bytes;
  Lines expected;
  for (int i = 0; i < 40000; ++i) {  // about 300 KB: several buffers, boundaries anywhere
    const std::string line = std::to_string(i * 7919 % 100003);
    bytes += line + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
    expected.push_back(line);
  }
  folder.Write("lines.txt", bytes);
  EXPECT_EQ(ReadLineViews("lines.txt", LineReader::kWholeLine), expected);
  EXPECT_EQ(ReadLines("lines.txt"), expected);
}

TEST(LineReader, CutLinesStillMovePastTheWholeLine) {
  TempFolder folder;
  folder.Write("lines.txt", "abcdef\r\nxy\rlonger line\n");
  LineReader reader;
  reader.Open("lines.txt");
  std::string line;
  Lines cut;
  while (!reader.AtEnd()) {
    reader.NextLine(line, 3);
    cut.push_back(line);
  }
  EXPECT_EQ(cut, (Lines{"abc", "xy", "lon"}));
}

TEST(LineReader, LinesAndTerminatorsGiveBackTheFile) {
  TempFolder folder;
  const std::string bytes = "one\r\ntwo\rthree\n\n\r\nfour";
  folder.Write("lines.txt", bytes);
  LineReader reader;
  reader.Open("lines.txt");
  std::string joined;
  while (!reader.AtEnd()) {
    joined += reader.NextLine();
    joined += reader.LastTerminator();
  }
  EXPECT_EQ(joined, bytes);
}

TEST(LineReader, ReadsInPartsAndReopens) {
  TempFolder folder;
  folder.Write("lines.txt", "0123456789\nnext");
  LineReader reader;
  reader.Open("lines.txt");
  std::string line;
  EXPECT_FALSE(reader.ReadLinePart(line, 4));
  EXPECT_TRUE(reader.ReadLinePart(line, LineReader::kWholeLine));
  EXPECT_EQ(line, "0123456789");
  EXPECT_EQ(reader.NextLine(), "next");
  EXPECT_TRUE(reader.AtEnd());
  reader.Open("lines.txt");  // opening again starts from the top
  EXPECT_EQ(reader.NextLine(), "0123456789");
}

int OpenError(const std::string& name) {
  try {
    ReadLines(name);
  } catch (const FatalError& error) {
    EXPECT_EQ(error.File(), name);
    return static_cast<int>(error.Number());
  }
  return 0;
}

TEST(LineReader, FileErrorsAreFatalWithTheirNumbers) {
  TempFolder folder;
  std::filesystem::create_directory("cities.txt");
  EXPECT_EQ(OpenError("missing.txt"), 53);
  EXPECT_EQ(OpenError("no-folder/missing.txt"), 53);
  EXPECT_EQ(OpenError("cities.txt"), 75);
}

}  // namespace
}  // namespace lookup
