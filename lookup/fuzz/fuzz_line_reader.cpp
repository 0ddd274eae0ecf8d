// SPDX-License-Identifier: Apache-2.0
// LineReader over any bytes against a splitter of the whole file in memory: every way of reading
// a line (whole, cut short, as a view, in pieces, skipped) gives that line and its terminator.
// The input can be placed across the reader's 64 KiB buffer boundaries.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "line_reader.h"
#include "testing/files.h"
#include "testing/reference_lines.h"

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// The file for an input: a header of three bytes says where its bytes land. Mode 0 writes them
// as they are. Mode 1 puts them `offset` bytes before the first or second buffer boundary, after
// one long line and, if the shape says so, short lines with every kind of terminator. Mode 2
// repeats them across a boundary. Fillers are mostly one long line, so that a run stays quick.
std::string FileFor(std::string_view input) {
  if (input.size() < 3) return std::string(input);
  const auto mode = static_cast<unsigned char>(input[0]) % 3;
  const auto offset = static_cast<unsigned char>(input[1]);
  const auto shape = static_cast<unsigned char>(input[2]);
  const std::string_view body = input.substr(3);
  constexpr std::size_t kNear = 1024;  // how far from a boundary the interesting bytes begin
  if (mode == 0) return std::string(body);
  const std::size_t boundary = kBufferSize * (1 + (shape & 1U));
  std::string file(boundary - kNear, 'f');
  if (mode == 1) {
    const std::size_t lineLength = (shape & 2U) == 0 ? kNear : shape >> 2U;  // 0 to 63
    const char* const terminators[] = {"\r\n", "\n", "\r"};
    for (std::size_t n = 0; file.size() < boundary - offset; ++n) {
      file.append(lineLength, 'f');
      file += terminators[n % 3];
    }
    file.resize(boundary - offset);  // may part a carriage return from its line feed
    return file + std::string(body);
  }
  if (body.empty()) return file;
  while (file.size() < boundary + offset + kNear) file += body;
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterScratchFolder();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string file = FileFor(input);
  lookup_testing::WriteFile("lines.txt", file);
  const std::vector<lookup_testing::ReferenceLine> lines = lookup_testing::ReferenceLines(file);
  const std::size_t cut = size > 1 ? data[size - 1] % 32 : 0;
  const std::size_t piece = size > 1 ? data[size - 2] % 8 + 1 : 1;

  // Kept from run to run, as a reader may be opened again after it is closed; each holds a
  // 64 KiB buffer that would cost more to make afresh than most runs take.
  static lookup::LineReader whole;     // NextLine, and the terminator it moved past
  static lookup::LineReader cutLines;  // NextLine cut to `cut` characters
  static lookup::LineReader views;     // NextLineView, whole or cut, in turn
  static lookup::LineReader pieces;    // ReadLinePart `piece` characters at a time, then the rest
  static lookup::LineReader skips;     // the first `cut` characters, then SkipRestOfLine
  for (lookup::LineReader* reader : {&whole, &cutLines, &views, &pieces, &skips}) {
    reader->Open("lines.txt");
  }
  std::string part;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const lookup_testing::ReferenceLine& line = lines[i];
    for (lookup::LineReader* reader : {&whole, &cutLines, &views, &pieces, &skips}) {
      fuzz::Require(!reader->AtEnd());
    }
    fuzz::Require(whole.NextLine() == line.text);
    fuzz::Require(whole.LastTerminator() == line.terminator);

    cutLines.NextLine(part, cut);
    fuzz::Require(part == line.text.substr(0, cut));

    const std::size_t viewLength = i % 2 == 0 ? lookup::LineReader::kWholeLine : cut;
    fuzz::Require(views.NextLineView(viewLength) == line.text.substr(0, viewLength));

    // A few small pieces, then the rest at once: each call searches the rest of the buffer.
    part.clear();
    bool ended = false;
    for (int n = 0; n < 4 && !ended; ++n) ended = pieces.ReadLinePart(part, piece);
    if (!ended) pieces.ReadLinePart(part, lookup::LineReader::kWholeLine);
    fuzz::Require(part == line.text);
    fuzz::Require(pieces.LastTerminator() == line.terminator);

    part.clear();
    if (!skips.ReadLinePart(part, cut)) skips.SkipRestOfLine();
    fuzz::Require(part == line.text.substr(0, cut));
    fuzz::Require(skips.LastTerminator() == line.terminator);
  }
  for (lookup::LineReader* reader : {&whole, &cutLines, &views, &pieces, &skips}) {
    fuzz::Require(reader->AtEnd());
    reader->Close();
  }
  return 0;
}
