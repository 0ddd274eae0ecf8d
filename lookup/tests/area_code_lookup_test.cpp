// SPDX-License-Identifier: Apache-2.0
// The area-code lookup: entries, records, terminators and a missing directory.
#include "area_code_lookup.h"

#include <gtest/gtest.h>

#include "fatal_error.h"
#include "testing/directory_record.h"
#include "testing/fake_window.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::FakeWindow;
using lookup_testing::LookUpAreaCode;
using lookup_testing::Record;
using lookup_testing::TempFolder;
using Shown = std::vector<std::string>;

const Shown kInvalid{std::string(kInvalidEntryMessage)};
const Shown kNotFound{std::string(kNotFoundMessage)};

std::string Directory(std::initializer_list<std::string> records, std::string_view end = "\r\n") {
  std::string bytes;
  for (const auto& record : records) (bytes += record) += end;
  return bytes;
}

TEST(AreaCodeLookup, AnswersEachEntry) {
  TempFolder folder;
  folder.Write("cities.txt", Directory({
                                 "a header line that is no record",
                                 Record("NJ", "201", "Jersey City, Hackensack"),
                                 Record("XY", "212", "Sample City"),
                                 Record("ZZ", "200", "Lowest"),
                                 Record("QQ", "999", "Highest"),
                                 Record("XY", "212", "Second record, never read"),
                                 Record("E2", "3e2", "Code field 3e2 reads as 300"),
                                 Record("SP", "4 1", "Blank inside the code field"),
                             }));
  struct Case {
    std::string entry;
    Shown expected;
  };
  const Case cases[] = {
      {"199", kInvalid},
      {"1000", kInvalid},
      {"-250", kInvalid},
      {"abc", kInvalid},
      {"", kInvalid},
      {"1e999", kInvalid},
      {"-1e999", kInvalid},
      {"2,12", kInvalid},
      {"0x2FF", kInvalid},
      {"--212", kInvalid},  // a second sign: no number
      {"+-212", kInvalid},
      {"- -212", kInvalid},
      {"212" + std::string(100'000, '0') + "e-100000", {"XY   Sample City"}},
      {"0." + std::string(100'000, '0') + "212e100003", {"XY   Sample City"}},
      {"200", {"ZZ   Lowest"}},
      {"999", {"QQ   Highest"}},
      {"212", {"XY   Sample City"}},
      {" 212", {"XY   Sample City"}},
      {"0212", {"XY   Sample City"}},
      {"212.0", {"XY   Sample City"}},
      {"212 XY", {"XY   Sample City"}},
      {"212abc", {"XY   Sample City"}},
      {"2 1 2", {"XY   Sample City"}},
      {"21.2e1", {"XY   Sample City"}},
      {"212.5", kNotFound},
      {"199.99999999999997", {"ZZ   Lowest"}},
      {"999.0000000000001", {"QQ   Highest"}},
      {"300", {"E2   Code field 3e2 reads as 300"}},
      {"41", kInvalid},
      {"555", kNotFound},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LookUpAreaCode(c.entry), c.expected) << '\'' << c.entry << '\'';
  }
}

TEST(AreaCodeLookup, ShortAndLongRecords) {
  TempFolder folder;
  const std::string longCity = std::string(499, 'c') + "LAST" + std::string(10000, 'z');
  folder.Write("cities.txt", Directory({
                                 "short",
                                 "COUNTRY     RG  301",
                                 "COUNTRY     R",
                                 Record("LG", "302", longCity),
                                 Record("E ", "303", "  padded  "),
                             }));
  EXPECT_EQ(LookUpAreaCode("301"), Shown{"RG   "});
  EXPECT_EQ(LookUpAreaCode("302"), Shown{"LG   " + longCity.substr(0, 500)});
  EXPECT_EQ(LookUpAreaCode("303"), Shown{"E      padded  "});
}

TEST(AreaCodeLookup, ReadsEveryTerminatorAndTheLastUnterminatedLine) {
  for (std::string_view end : {"\r\n", "\n", "\r"}) {
    TempFolder folder;
    std::string bytes =
        Directory({Record("AA", "201", "one"), "", Record("BB", "202", "two")}, end);
    bytes += Record("CC", "203", "last, no terminator");
    folder.Write("cities.txt", bytes);
    EXPECT_EQ(LookUpAreaCode("202"), Shown{"BB   two"});
    EXPECT_EQ(LookUpAreaCode("203"), Shown{"CC   last, no terminator"});
    EXPECT_EQ(LookUpAreaCode("204"), kNotFound);
  }
}

TEST(AreaCodeLookup, EmptyDirectoryFindsNothing) {
  TempFolder folder;
  folder.Write("cities.txt", "");
  EXPECT_EQ(LookUpAreaCode("200"), kNotFound);
  EXPECT_EQ(LookUpAreaCode("999"), kNotFound);
}

TEST(AreaCodeLookup, SkipsAVeryLongLineBeforeTheMatch) {
  TempFolder folder;
  folder.Write("cities.txt", std::string(3'000'000, 'x') + "\n" + Record("OK", "250", "found"));
  EXPECT_EQ(LookUpAreaCode("250"), Shown{"OK   found"});
}

TEST(AreaCodeLookup, MissingDirectoryIsFatalOnlyForAValidEntry) {
  TempFolder folder;
  EXPECT_EQ(LookUpAreaCode("abc"), kInvalid);  // no file is opened for an invalid entry
  FakeWindow window;
  window.entry = "212";
  try {
    Command1_Click(window);
    ADD_FAILURE() << "a missing directory must be fatal";
  } catch (const FatalError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::kFileNotFound);
    EXPECT_EQ(error.Description(), "File not found");
    EXPECT_EQ(error.File(), "cities.txt");
  }
  EXPECT_TRUE(window.shown.empty());
}

TEST(AreaCodeLookup, SeesTheDirectoryAsItIsAtEachLookup) {
  TempFolder folder;
  folder.Write("cities.txt", Record("AA", "201", "before"));
  EXPECT_EQ(LookUpAreaCode("201"), Shown{"AA   before"});
  folder.Write("cities.txt", Record("BB", "201", "after"));
  EXPECT_EQ(LookUpAreaCode("201"), Shown{"BB   after"});
}

}  // namespace
}  // namespace lookup
