// SPDX-License-Identifier: Apache-2.0
// Reading a data file line by line.
#include "line_reader.h"

#include <algorithm>

#include "fatal_error.h"
#include "line_end.h"

namespace lookup {
namespace {

// Large enough that system calls cost little, small enough that what was read is still in the
// processor's cache when it is searched.
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

}  // namespace

LineReader::LineReader() : buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

LineReader::~LineReader() { Close(); }

void LineReader::Open(const std::string& name) {
  if (const std::optional<ErrorNumber> error = file_.Open(name)) throw FatalError(*error, name);
  name_ = name;
  begin_ = end_ = 0;
  eof_ = false;
  terminator_ = {};
}

void LineReader::Close() { file_.Close(); }

bool LineReader::Fill() {
  if (eof_ || !file_.IsOpen()) return false;
  const std::optional<std::size_t> count = file_.Read(buffer_.get(), kBufferSize);
  if (!count) throw FatalError(ErrorNumber::kDeviceIo, name_);
  begin_ = 0;
  end_ = *count;
  eof_ = end_ == 0;
  return !eof_;
}

bool LineReader::AtEnd() { return begin_ == end_ && !Fill(); }

std::size_t LineReader::NextTerminator() {
  const char* buffer = buffer_.get();
  return static_cast<std::size_t>(FindLineEnd(buffer + begin_, buffer + end_) - buffer);
}

void LineReader::ConsumeTerminator() {
  if (buffer_[begin_++] == '\n') {
    terminator_ = "\n";
    return;
  }
  if (begin_ == end_) Fill();
  if (begin_ < end_ && buffer_[begin_] == '\n') {
    ++begin_;
    terminator_ = "\r\n";
  } else {
    terminator_ = "\r";
  }
}

bool LineReader::ReadLinePart(std::string& line, std::size_t maxChars) {
  for (;;) {
    if (begin_ == end_ && !Fill()) {
      terminator_ = {};
      return true;
    }
    const std::size_t terminator = NextTerminator();
    const std::size_t take = std::min(terminator - begin_, maxChars);
    line.append(buffer_.get() + begin_, take);
    begin_ += take;
    maxChars -= take;
    if (begin_ < terminator) return false;  // cut short; the line goes on
    if (terminator < end_) {
      ConsumeTerminator();
      return true;
    }
    // The buffer ran out in the middle of the line: refill and go on.
  }
}

void LineReader::SkipRestOfLine() {
  for (;;) {
    if (begin_ == end_ && !Fill()) {
      terminator_ = {};
      return;
    }
    begin_ = NextTerminator();
    if (begin_ < end_) {
      ConsumeTerminator();
      return;
    }
  }
}

std::string_view LineReader::NextLineView(std::size_t maxChars) {
  if (begin_ == end_) Fill();
  const std::size_t terminator = NextTerminator();
  // Whole in the buffer, with a terminator that needs no look at the next read: a view of it.
  // A carriage return at the buffer's end might be followed by a line feed in the next read.
  if (terminator + 1 < end_ || (terminator < end_ && buffer_[terminator] == '\n')) {
    const std::string_view line(buffer_.get() + begin_, std::min(terminator - begin_, maxChars));
    begin_ = terminator;
    ConsumeTerminator();
    return line;
  }
  NextLine(spill_, maxChars);
  return spill_;
}

void LineReader::NextLine(std::string& line, std::size_t maxChars) {
  line.clear();
  if (!ReadLinePart(line, maxChars)) SkipRestOfLine();
}

std::string LineReader::NextLine() {
  std::string line;
  NextLine(line, kWholeLine);
  return line;
}

}  // namespace lookup
