// SPDX-License-Identifier: Apache-2.0
// Data files on POSIX systems: open(2) and read(2) on regular files only.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform_file.h"

namespace lookup {
namespace {

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

std::optional<ErrorNumber> PlatformFile::Open(const std::string& name) {
  Close();
  // Non-blocking, so that a FIFO under the file's name cannot hang the program in open().
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return OpenErrorNumber(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return ErrorNumber::kPathFileAccess;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  handle_ = fd;
  return std::nullopt;
}

// Not const: reading moves the file's position.
// NOLINTNEXTLINE(readability-make-member-function-const)
std::optional<std::size_t> PlatformFile::Read(char* buffer, std::size_t size) {
  ssize_t count = 0;
  do {
    count = ::read(static_cast<int>(handle_), buffer, size);
  } while (count < 0 && errno == EINTR);
  if (count < 0) return std::nullopt;
  return static_cast<std::size_t>(count);
}

void PlatformFile::Close() {
  if (IsOpen()) ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
}

}  // namespace lookup
