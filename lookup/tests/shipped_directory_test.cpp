// SPDX-License-Identifier: Apache-2.0
// The shipped directory and metro file, read by the lookups exactly as the program reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "area_code_lookup.h"
#include "metro_areas.h"
#include "mid_text.h"
#include "record_layout.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::LoadMetroNames;
using lookup_testing::LookUpAreaCode;
using lookup_testing::LookUpMetro;
using lookup_testing::ReadLines;

const std::filesystem::path kShipped = VANTREL_DATA_DIR;

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"cities.txt", "metro.txt"}) {
      std::filesystem::copy_file(kShipped / name, folder_.Path() / name);
    }
  }
  lookup_testing::TempFolder folder_;
};

TEST_F(ShippedData, EveryCodeShowsItsRecordAndNoOtherIsFound) {
  std::set<std::string> listed;
  for (const std::string& record : ReadLines("cities.txt")) {
    const std::string code(MidText(record, kCodeStart, kCodeLength));
    listed.insert(code);
    const std::vector<std::string> shown = LookUpAreaCode(code);
    ASSERT_EQ(shown.size(), 1u);
    const std::string expected = std::string(MidText(record, kRegionStart, kRegionLength)) + "   " +
                                 std::string(MidText(record, kCityStart, kCityLength));
    EXPECT_EQ(shown[0], expected) << code;
  }
  EXPECT_GE(listed.size(), 481u);
  for (int code = 200; code <= 999; ++code) {
    if (listed.count(std::to_string(code)) != 0) continue;
    EXPECT_EQ(LookUpAreaCode(std::to_string(code)),
              std::vector<std::string>{std::string(kNotFoundMessage)})
        << code;
  }
}

TEST_F(ShippedData, EveryMetroInTheListShowsItsLine) {
  const std::vector<std::string> names = LoadMetroNames();
  const std::vector<std::string> lines = ReadLines("metro.txt");
  ASSERT_EQ(names.size(), lines.size());
  EXPECT_EQ(lines.size(), 68u);  // 57 US and 11 Canadian metro areas
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(LookUpMetro(names[i]), std::vector<std::string>{lines[i]}) << names[i];
  }
}

}  // namespace
}  // namespace lookup
