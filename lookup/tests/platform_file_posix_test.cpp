// SPDX-License-Identifier: Apache-2.0
// What only POSIX systems can put under a data file's name: a FIFO, a file that opens but cannot
// be read, a file its reader may not open.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::ErrorOf;
using lookup_testing::LoadMetroNames;
using lookup_testing::LookUpAreaCode;
using lookup_testing::LookUpMetro;
using lookup_testing::ReadLines;
using lookup_testing::TempFolder;

TEST(PosixDataFiles, FifoIsAPathErrorAtOnce) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo("cities.txt", 0600), 0);
  ASSERT_EQ(::mkfifo("metro.txt", 0600), 0);
  // Each at once: nothing waits for a writer.
  EXPECT_EQ(ErrorOf([] { ReadLines("cities.txt"); }), 75);
  EXPECT_EQ(ErrorOf([] { LookUpAreaCode("212"); }), 75);
  EXPECT_EQ(ErrorOf([] { LoadMetroNames(); }), 75);
  EXPECT_EQ(ErrorOf([] { LookUpMetro("x"); }), 75);
}

TEST(PosixDataFiles, FileThatOpensButCannotBeReadIsADeviceError) {
  TempFolder folder;
  // Offset 0 of a process's memory is never mapped.
  std::filesystem::create_symlink("/proc/self/mem", "cities.txt");
  std::filesystem::create_symlink("/proc/self/mem", "metro.txt");
  EXPECT_EQ(ErrorOf([] { ReadLines("cities.txt"); }), 57);
  EXPECT_EQ(ErrorOf([] { LookUpAreaCode("212"); }), 57);
  EXPECT_EQ(ErrorOf([] { LoadMetroNames(); }), 57);
  EXPECT_EQ(ErrorOf([] { LookUpMetro("x"); }), 57);
}

TEST(PosixDataFiles, UnreadableFileIsPermissionDenied) {
  TempFolder folder;
  folder.Write("locked.txt", "x");
  std::filesystem::permissions("locked.txt", std::filesystem::perms::none);
  const auto open = [] { ReadLines("locked.txt"); };
  if (::geteuid() != 0) {
    EXPECT_EQ(ErrorOf(open), 70);
    return;
  }
  // Root reads every file, so the open is tried by a child that has given up root.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    _exit(dropped ? ErrorOf(open) : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 70);
}

}  // namespace
}  // namespace lookup
