// SPDX-License-Identifier: Apache-2.0
// What other programs and the system can do to a data file on Windows: hold it open without
// sharing, lock part of it, write, rename or delete it meanwhile, or put a device under its name.
#include "windows_api.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "line_reader.h"
#include "testing/directory_record.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::ErrorOf;
using lookup_testing::LoadMetroNames;
using lookup_testing::LookUpAreaCode;
using lookup_testing::ReadLines;
using lookup_testing::Record;
using lookup_testing::TempFolder;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file held open, for reading and writing, as another program would hold it.
class Holder {
 public:
  Holder(const std::filesystem::path& file, DWORD share)
      : handle_(::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Holder() {
    if (IsOpen()) ::CloseHandle(handle_);
  }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

const std::string kRecord = Record("XY", "212", "Sample City");
const std::string kMetroLine = "Sample Metro       212";

void WriteBothFiles(const TempFolder& folder) {
  folder.Write("cities.txt", kRecord + "\r\n");
  folder.Write("metro.txt", kMetroLine + "\r\n");
}

TEST(WindowsDataFiles, FileHeldWithoutSharingIsPermissionDenied) {
  TempFolder folder;
  WriteBothFiles(folder);
  {
    const Holder cities(folder.Path() / "cities.txt", 0);
    const Holder metro(folder.Path() / "metro.txt", 0);
    ASSERT_TRUE(cities.IsOpen() && metro.IsOpen());
    EXPECT_EQ(ErrorOf([] { ReadLines("cities.txt"); }), 70);
    EXPECT_EQ(ErrorOf([] { LookUpAreaCode("212"); }), 70);
    EXPECT_EQ(ErrorOf([] { LoadMetroNames(); }), 70);
  }
  // Once let go, the files read as before: the failed opens left nothing behind.
  EXPECT_EQ(LookUpAreaCode("212"), std::vector<std::string>{"XY   Sample City"});
  EXPECT_EQ(LoadMetroNames(), std::vector<std::string>{kMetroLine.substr(0, 19)});
}

TEST(WindowsDataFiles, OthersMayWriteRenameAndDeleteTheFileWhileItIsRead) {
  TempFolder folder;
  WriteBothFiles(folder);
  LineReader reader;
  reader.Open("cities.txt");
  {
    // Another program opens it to write, as an editor saving it would.
    const Holder writer(folder.Path() / "cities.txt", kShareAll);
    EXPECT_TRUE(writer.IsOpen()) << ::GetLastError();
  }
  std::filesystem::rename(folder.Path() / "cities.txt", folder.Path() / "old.txt");
  EXPECT_EQ(reader.NextLine(), kRecord);
  EXPECT_TRUE(reader.AtEnd());
  reader.Close();

  reader.Open("metro.txt");
  std::filesystem::remove(folder.Path() / "metro.txt");
  EXPECT_EQ(reader.NextLine(), kMetroLine);
}

TEST(WindowsDataFiles, LockedRangeIsADeviceError) {
  TempFolder folder;
  folder.Write("cities.txt", std::string(100, 'x') + "\r\n");
  const Holder locker(folder.Path() / "cities.txt", kShareAll);
  ASSERT_TRUE(locker.IsOpen());
  OVERLAPPED start{};
  ASSERT_TRUE(::LockFileEx(locker.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                           1000, 0, &start));
  // Windows refuses to read a locked range through any other handle; wine lets it be read.
  {
    const Holder probe(folder.Path() / "cities.txt", kShareAll);
    char byte = 0;
    DWORD count = 0;
    if (::ReadFile(probe.Get(), &byte, 1, &count, nullptr)) {
      GTEST_SKIP() << "this system does not enforce byte-range locks";
    }
  }
  EXPECT_EQ(ErrorOf([] { ReadLines("cities.txt"); }), 57);
  EXPECT_EQ(ErrorOf([] { LookUpAreaCode("212"); }), 57);
}

TEST(WindowsDataFiles, NamesAreWindows1252) {
  TempFolder folder;
  // The euro sign is 0x80 in Windows-1252 and something else, or nothing, in other code pages.
  std::ofstream(folder.Path() / L"\u20ACcaf\u00E9.txt", std::ios::binary) << "found\r\n";
  EXPECT_EQ(ReadLines("\x80"
                      "caf\xE9.txt"),
            std::vector<std::string>{"found"});
}

TEST(WindowsDataFiles, DevicesAndPipesAreNoDataFiles) {
  TempFolder folder;
  EXPECT_EQ(ErrorOf([] { ReadLines("NUL"); }), 75);
  const wchar_t* const pipeName = L"\\\\.\\pipe\\vantrel-area-code-test";
  const HANDLE pipe =
      ::CreateNamedPipeW(pipeName, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  // At once: nothing waits for the other end to write.
  EXPECT_EQ(ErrorOf([] { ReadLines("\\\\.\\pipe\\vantrel-area-code-test"); }), 75);
  ::CloseHandle(pipe);
}

}  // namespace
}  // namespace lookup
