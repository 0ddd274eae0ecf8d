// SPDX-License-Identifier: Apache-2.0
// What other programs can do to a data file on Windows: hold it without sharing, lock part of it.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "area_code_lookup.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "metro_areas.h"
#include "testing/directory_record.h"
#include "testing/fake_window.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::FakeWindow;
using lookup_testing::Record;
using lookup_testing::TempFolder;

// The error number of what `action` throws, or 0.
template <typename Action>
int ErrorOf(Action action) {
  try {
    action();
  } catch (const FatalError& error) {
    return static_cast<int>(error.Number());
  }
  return 0;
}

std::vector<std::string> ReadAll(const std::string& name) {
  LineReader reader;
  reader.Open(name);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.NextLine());
  return lines;
}

// A handle on a file, as another program would hold it.
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

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

void WriteBothFiles(const TempFolder& folder) {
  folder.Write("cities.txt", Record("XY", "212", "Sample City") + "\r\n");
  folder.Write("metro.txt", "Sample Metro       212\r\n");
}

TEST(WindowsDataFiles, FileHeldWithoutSharingIsPermissionDenied) {
  TempFolder folder;
  WriteBothFiles(folder);
  {
    const Holder cities(folder.Path() / "cities.txt", 0);
    const Holder metro(folder.Path() / "metro.txt", 0);
    ASSERT_TRUE(cities.IsOpen() && metro.IsOpen());
    EXPECT_EQ(ErrorOf([] { ReadAll("cities.txt"); }), 70);
    EXPECT_EQ(ErrorOf([] {
                FakeWindow window;
                window.entry = "212";
                Command1_Click(window);
              }),
              70);
    EXPECT_EQ(ErrorOf([] {
                FakeWindow window;
                Form_Load(window);
              }),
              70);
  }
  // Let go, the files read as usual: nothing was left behind.
  EXPECT_EQ(ReadAll("metro.txt"), std::vector<std::string>{"Sample Metro       212"});
}

TEST(WindowsDataFiles, OtherProgramsMayWriteRenameAndDeleteWhileALookupReads) {
  TempFolder folder;
  WriteBothFiles(folder);
  LineReader reader;
  reader.Open("cities.txt");
  {
    const Holder writer(folder.Path() / "cities.txt", kShareAll);
    EXPECT_TRUE(writer.IsOpen()) << ::GetLastError();
  }
  std::filesystem::rename(folder.Path() / "metro.txt", folder.Path() / "renamed.txt");
  EXPECT_EQ(reader.NextLine(), Record("XY", "212", "Sample City"));
  EXPECT_TRUE(reader.AtEnd());
}

TEST(WindowsDataFiles, LockedRangeIsADeviceError) {
  TempFolder folder;
  folder.Write("cities.txt", std::string(100, 'x') + "\r\n");
  const Holder locker(folder.Path() / "cities.txt", kShareAll);
  ASSERT_TRUE(locker.IsOpen());
  OVERLAPPED from{};
  ASSERT_TRUE(::LockFileEx(locker.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                           1000, 0, &from));
  // Windows refuses reads of a locked range through any other handle; wine does not.
  {
    const Holder probe(folder.Path() / "cities.txt", kShareAll);
    char byte = 0;
    DWORD count = 0;
    if (::ReadFile(probe.Get(), &byte, 1, &count, nullptr)) {
      GTEST_SKIP() << "this system does not enforce byte-range locks";
    }
  }
  EXPECT_EQ(ErrorOf([] { ReadAll("cities.txt"); }), 57);
  EXPECT_EQ(ErrorOf([] {
              FakeWindow window;
              window.entry = "212";
              Command1_Click(window);
            }),
            57);
}

TEST(WindowsDataFiles, NamesAreWindows1252) {
  TempFolder folder;
  // 0x80 is the euro sign in Windows-1252, and something else in the other code pages.
  std::ofstream(folder.Path() / L"\u20ACcaf\u00E9.txt", std::ios::binary) << "found\r\n";
  EXPECT_EQ(ReadAll("\x80"
                    "caf\xE9.txt"),
            std::vector<std::string>{"found"});
}

TEST(WindowsDataFiles, DevicesAndPipesAreNoDataFiles) {
  TempFolder folder;
  EXPECT_EQ(ErrorOf([] { ReadAll("NUL"); }), 75);
  EXPECT_EQ(ErrorOf([] { ReadAll("CONIN$"); }), 75);
  const HANDLE pipe = ::CreateNamedPipeW(L"\\\\.\\pipe\\vantrel-test-cities", PIPE_ACCESS_DUPLEX,
                                         PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ErrorOf([] { ReadAll("\\\\.\\pipe\\vantrel-test-cities"); }), 75);  // at once
  ::CloseHandle(pipe);
}

}  // namespace
}  // namespace lookup
