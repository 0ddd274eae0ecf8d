#include "line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "fatal_error.h"

namespace lookup {
namespace {

// Large enough that a scan is bound by memchr, not by system calls.
constexpr std::size_t kBufferSize = std::size_t{256} * 1024;
// A cached terminator position that has to be searched for again.
constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

ErrorNumber OpenErrorNumber(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return ErrorNumber::kFileNotFound;
    case EACCES:
    case EPERM:
      return ErrorNumber::kPermissionDenied;
    default:
      return ErrorNumber::kPathFileAccess;
  }
}

}  // namespace

LineReader::LineReader() : buffer_(std::make_unique<char[]>(kBufferSize)) {}

LineReader::~LineReader() { Close(); }

void LineReader::Open(const std::string& name) {
  Close();
  // Non-blocking, so that a FIFO under the file's name cannot hang the program in open().
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) throw FatalError(OpenErrorNumber(errno), name);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw FatalError(ErrorNumber::kPathFileAccess, name);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  name_ = name;
  begin_ = end_ = 0;
  eof_ = false;
  terminator_ = {};
}

void LineReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool LineReader::Fill() {
  if (eof_ || fd_ < 0) return false;
  ssize_t count = 0;
  do {
    count = ::read(fd_, buffer_.get(), kBufferSize);
  } while (count < 0 && errno == EINTR);
  if (count < 0) throw FatalError(ErrorNumber::kDeviceIo, name_);
  begin_ = 0;
  end_ = static_cast<std::size_t>(count);
  nextCr_ = nextLf_ = kUnknown;
  eof_ = count == 0;
  return !eof_;
}

bool LineReader::AtEnd() { return begin_ == end_ && !Fill(); }

std::size_t LineReader::NextTerminator() {
  // Each terminator character is searched for separately with memchr, and the position found is
  // kept until the reader passes it, so every byte is looked at about twice in all.
  const auto find = [this](char c) {
    const void* hit = std::memchr(buffer_.get() + begin_, c, end_ - begin_);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.get()) : end_;
  };
  if (nextCr_ == kUnknown || nextCr_ < begin_) nextCr_ = find('\r');
  if (nextLf_ == kUnknown || nextLf_ < begin_) nextLf_ = find('\n');
  return std::min(nextCr_, nextLf_);
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
