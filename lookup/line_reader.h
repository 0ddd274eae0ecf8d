// SPDX-License-Identifier: Apache-2.0
// Reading a data file line by line.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform_file.h"

namespace lookup {

// Reads a data file line by line. A line ends at a carriage return, a line feed, or a carriage
// return followed by a line feed; the last line needs no terminator. Every error is a FatalError.
class LineReader {
 public:
  static constexpr std::size_t kWholeLine = static_cast<std::size_t>(-1);

  LineReader();
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens the named regular file (a bare name is looked up in the current folder) for reading.
  void Open(const std::string& name);
  // True when no character of the file is left to read.
  bool AtEnd();
  // The next line without its terminator.
  std::string NextLine();
  // Puts the next line's first `maxChars` characters into `line`, and moves past the whole line.
  void NextLine(std::string& line, std::size_t maxChars);
  // The next line's first `maxChars` characters, and moves past the whole line. The view is
  // valid until the next call on the reader.
  std::string_view NextLineView(std::size_t maxChars);
  // Appends at most `maxChars` more characters of the current line to `line`; true once the
  // line's terminator (or the file's end) has been moved past.
  bool ReadLinePart(std::string& line, std::size_t maxChars);
  // Moves past what is left of the current line and its terminator.
  void SkipRestOfLine();
  // The terminator that the last finished line ended with: "\r", "\n", "\r\n", or "" at the end.
  std::string_view LastTerminator() const { return terminator_; }
  // Closes the file; another may then be opened.
  void Close();

 private:
  bool Fill();
  std::size_t NextTerminator();
  void ConsumeTerminator();

  PlatformFile file_;
  std::string name_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;  // next character to read
  std::size_t end_ = 0;    // one past the last character read into the buffer
  std::string spill_;      // a line that does not lie whole in the buffer
  bool eof_ = false;
  std::string_view terminator_;
};

}  // namespace lookup
