// SPDX-License-Identifier: Apache-2.0
// Data files on Windows: CreateFileW and ReadFile on disk files only, shared with other programs.
#include "windows_api.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <string>

#include "platform_file.h"

namespace lookup {
namespace {

// The program's texts are Windows-1252 whatever the machine's ANSI code page, so a name means
// the same file on every machine; every byte has a character in it.
constexpr UINT kNameCodePage = 1252;

std::wstring WideName(const std::string& name) {
  if (name.empty() || name.size() > INT_MAX) return {};
  const int size = static_cast<int>(name.size());
  const int wideSize = ::MultiByteToWideChar(kNameCodePage, 0, name.data(), size, nullptr, 0);
  if (wideSize <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  ::MultiByteToWideChar(kNameCodePage, 0, name.data(), size, wide.data(), wideSize);
  return wide;
}

bool IsFolder(const std::wstring& name) {
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ErrorNumber OpenErrorNumber(DWORD error, const std::wstring& name) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ErrorNumber::kFileNotFound;
    case ERROR_ACCESS_DENIED:  // also what opening a folder as a file gives
      return IsFolder(name) ? ErrorNumber::kPathFileAccess : ErrorNumber::kPermissionDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return ErrorNumber::kPermissionDenied;
    default:
      return ErrorNumber::kPathFileAccess;
  }
}

HANDLE AsHandle(std::intptr_t handle) { return std::bit_cast<HANDLE>(handle); }

}  // namespace

std::optional<ErrorNumber> PlatformFile::Open(const std::string& name) {
  Close();
  const std::wstring wide = WideName(name);
  if (wide.empty()) return ErrorNumber::kFileNotFound;
  // Other programs may go on reading, writing, renaming or deleting the file meanwhile, as they
  // may on other systems; the next lookup opens it afresh.
  const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OpenErrorNumber(::GetLastError(), wide);
  // Consoles, printers and pipes open too, and reading them would wait or never end.
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    ::CloseHandle(file);
    return ErrorNumber::kPathFileAccess;
  }
  handle_ = std::bit_cast<std::intptr_t>(file);
  return std::nullopt;
}

// Not const: reading moves the file's position.
// NOLINTNEXTLINE(readability-make-member-function-const)
std::optional<std::size_t> PlatformFile::Read(char* buffer, std::size_t size) {
  const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
  DWORD count = 0;
  if (!::ReadFile(AsHandle(handle_), buffer, wanted, &count, nullptr)) return std::nullopt;
  return count;
}

void PlatformFile::Close() {
  if (IsOpen()) ::CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

}  // namespace lookup
