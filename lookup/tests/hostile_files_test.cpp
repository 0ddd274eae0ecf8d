// SPDX-License-Identifier: Apache-2.0
// Files no one would write on purpose: each ends in the specified answer or a clear fatal error,
// never a crash or a hang.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "area_code_lookup.h"
#include "metro_areas.h"
#include "record_layout.h"
#include "testing/directory_record.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::ErrorOf;
using lookup_testing::LoadMetroNames;
using lookup_testing::LookUpAreaCode;
using lookup_testing::LookUpMetro;
using lookup_testing::Record;
using lookup_testing::TempFolder;
using Shown = std::vector<std::string>;

const std::string kNotFound(kNotFoundMessage);

std::string Garbage(std::size_t size) {
  std::mt19937 random(20261208);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

TEST(HostileFiles, BinaryGarbage) {
  TempFolder folder;
  const std::string garbage = Garbage(1 << 20);
  folder.Write("cities.txt", garbage);
  folder.Write("metro.txt", garbage);
  for (const char* entry : {"200", "555", "999"}) {
    const Shown shown = LookUpAreaCode(entry);
    ASSERT_EQ(shown.size(), 1u);
  }
  const std::vector<std::string> names = LoadMetroNames();
  EXPECT_GT(names.size(), 1000u);
  for (const std::string& name : names) EXPECT_LE(name.size(), kMetroNameLength);
  EXPECT_LE(LookUpMetro(names.back()).size(), 1u);
}

TEST(HostileFiles, NulBytesInsideRecordsAreOrdinaryCharacters) {
  TempFolder folder;
  const std::string city("Nul\0City\0", 9);
  folder.Write("cities.txt", Record(std::string("X\0", 2), "212", city) + "\r\n");
  const std::string metro("Nul\0Metro          212", 22);
  folder.Write("metro.txt", metro + "\r\n");
  EXPECT_EQ(LookUpAreaCode("212"), Shown{std::string("X\0   ", 5) + city});
  EXPECT_EQ(LoadMetroNames(), std::vector<std::string>{metro.substr(0, 19)});
  EXPECT_EQ(LookUpMetro(metro.substr(0, 19)), Shown{metro});
  EXPECT_EQ(LookUpMetro("Nul"), Shown{});
}

TEST(HostileFiles, OnlyCarriageReturns) {
  TempFolder folder;
  const std::string returns(100000, '\r');
  folder.Write("cities.txt", returns);
  folder.Write("metro.txt", returns);
  EXPECT_EQ(LookUpAreaCode("212"), Shown{kNotFound});
  const std::vector<std::string> names = LoadMetroNames();
  EXPECT_EQ(names.size(), 100000u);
  EXPECT_EQ(names.front(), "");
  EXPECT_EQ(LookUpMetro(""), Shown{""});
}

TEST(HostileFiles, HundredMegabytesWithoutATerminator) {
  TempFolder folder;
  const std::string line = "Big Metro Name Here" + std::string(100'000'000, 'x');
  folder.Write("cities.txt", line);
  folder.Write("metro.txt", line);
  EXPECT_EQ(LookUpAreaCode("999"), Shown{kNotFound});
  EXPECT_EQ(LoadMetroNames(), std::vector<std::string>{"Big Metro Name Here"});
  EXPECT_EQ(LookUpMetro("Not this one"), Shown{});
  const Shown shown = LookUpMetro("Big Metro Name Here");  // shown whole, as the file holds it
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].size(), line.size());
}

TEST(HostileFiles, RecordsOfExactly524And525Characters) {
  TempFolder folder;
  const std::string exact = Record("EX", "301", std::string(499, 'a') + "Z");
  const std::string longer = Record("LG", "302", std::string(500, 'b') + "!");
  ASSERT_EQ(exact.size(), kRecordLength);
  ASSERT_EQ(longer.size(), kRecordLength + 1);
  folder.Write("cities.txt", exact + "\r\n" + longer + "\r\n");
  EXPECT_EQ(LookUpAreaCode("301"), Shown{"EX   " + std::string(499, 'a') + "Z"});
  EXPECT_EQ(LookUpAreaCode("302"), Shown{"LG   " + std::string(500, 'b')});
}

TEST(HostileFiles, FilesReplacedOrDeletedBetweenLookups) {
  TempFolder folder;
  folder.Write("cities.txt", Record("AA", "201", "first") + "\r\n");
  folder.Write("metro.txt", "Alpha 201\r\n");
  EXPECT_EQ(LoadMetroNames(), std::vector<std::string>{"Alpha 201"});
  EXPECT_EQ(LookUpAreaCode("201"), Shown{"AA   first"});
  std::filesystem::rename(folder.Path() / "cities.txt", folder.Path() / "old.txt");
  folder.Write("cities.txt", Record("BB", "201", "replaced") + "\r\n");
  EXPECT_EQ(LookUpAreaCode("201"), Shown{"BB   replaced"});
  std::filesystem::remove(folder.Path() / "cities.txt");
  std::filesystem::remove(folder.Path() / "metro.txt");
  EXPECT_EQ(ErrorOf([] { LookUpAreaCode("201"); }), 53);
  EXPECT_EQ(ErrorOf([] { LookUpMetro("Alpha 201"); }), 53);
  EXPECT_EQ(LookUpAreaCode("abc"), Shown{std::string(kInvalidEntryMessage)});  // opens no file
}

}  // namespace
}  // namespace lookup
