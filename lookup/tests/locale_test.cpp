// SPDX-License-Identifier: Apache-2.0
// The number rules must not follow the process's locale: the window toolkit sets it from the
// environment, and a comma-decimal locale would otherwise change what entries mean.
#include <gtest/gtest.h>

#include <clocale>
#include <initializer_list>
#include <string>

#include "area_code_lookup.h"
#include "number_text.h"
#include "read_number.h"
#include "testing/directory_record.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

// German by its POSIX name, or by its Windows names: the older C runtimes know only the first.
bool SetGermanLocale() {
  for (const char* name : {"de_DE.UTF-8", "German_Germany.1252", "de-DE"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) return true;
  }
  return false;
}

class CommaDecimalLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!SetGermanLocale()) {
      GTEST_FAIL() << "no German locale; on Linux the test command generates de_DE.UTF-8";
    }
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_F(CommaDecimalLocale, NumbersStillUseTheFullStop) {
  EXPECT_EQ(ReadNumber("212.5"), 212.5);
  EXPECT_EQ(ReadNumber("2,12"), 2);
  EXPECT_EQ(NumberText(0.5), "0.5");
  EXPECT_EQ(NumberText(212.5), "212.5");
  EXPECT_EQ(NumberValue("212.5"), 212.5);
}

TEST_F(CommaDecimalLocale, LookupsAnswerAsEverywhere) {
  lookup_testing::TempFolder folder;
  folder.Write("cities.txt", lookup_testing::Record("XY", "212", "Sample City") + "\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {"212.5", std::string(kNotFoundMessage)},
      {"2,12", std::string(kInvalidEntryMessage)},
      {"212,5", "XY   Sample City"},
  };
  for (const auto& [entry, expected] : cases) {
    EXPECT_EQ(lookup_testing::LookUpAreaCode(entry), std::vector<std::string>{expected}) << entry;
  }
}

}  // namespace
}  // namespace lookup
