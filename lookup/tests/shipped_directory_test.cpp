// The shipped directory and metro file, read by the lookups exactly as the program reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "area_code_lookup.h"
#include "line_reader.h"
#include "metro_areas.h"
#include "mid_text.h"
#include "record_layout.h"
#include "testing/fake_window.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::FakeWindow;

const std::filesystem::path kShipped = VANTREL_DATA_DIR;

std::vector<std::string> Lines(const std::filesystem::path& file) {
  LineReader reader;
  reader.Open(file.string());
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.NextLine());
  return lines;
}

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
  for (const std::string& record : Lines("cities.txt")) {
    const std::string code(MidText(record, kCodeStart, kCodeLength));
    listed.insert(code);
    FakeWindow window;
    window.entry = code;
    Command1_Click(window);
    ASSERT_EQ(window.shown.size(), 1u);
    const std::string expected = std::string(MidText(record, kRegionStart, kRegionLength)) + "   " +
                                 std::string(MidText(record, kCityStart, kCityLength));
    EXPECT_EQ(window.shown[0], expected) << code;
  }
  EXPECT_GE(listed.size(), 481u);
  for (int code = 200; code <= 999; ++code) {
    if (listed.count(std::to_string(code)) != 0) continue;
    FakeWindow window;
    window.entry = std::to_string(code);
    Command1_Click(window);
    EXPECT_EQ(window.shown, std::vector<std::string>{std::string(kNotFoundMessage)}) << code;
  }
}

TEST_F(ShippedData, EveryMetroInTheListShowsItsLine) {
  FakeWindow loaded;
  Form_Load(loaded);
  const std::vector<std::string> lines = Lines("metro.txt");
  ASSERT_EQ(loaded.metroNames.size(), lines.size());
  EXPECT_EQ(lines.size(), 60u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    FakeWindow window;
    window.selection = loaded.metroNames[i];
    Command2_Click(window);
    EXPECT_EQ(window.shown, std::vector<std::string>{lines[i]}) << loaded.metroNames[i];
  }
}

}  // namespace
}  // namespace lookup
