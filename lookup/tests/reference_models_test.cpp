// SPDX-License-Identifier: Apache-2.0
// The reference models that the fuzz targets trust, checked on the rules' own examples.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "testing/reference_lines.h"
#include "testing/reference_lookups.h"
#include "testing/reference_numbers.h"

namespace {

using lookup_testing::ReferenceLine;

TEST(ReferenceModels, ReadNumber) {
  const std::pair<std::string, double> cases[] = {
      {" 212 ", 212}, {"2 1 2", 212}, {"212abc", 212},     {"0212", 212}, {"212.5.1", 212.5},
      {".5", 0.5},    {"2.5e2", 250}, {"-250", -250},      {"", 0},       {"abc", 0},
      {"-", 0},       {".", 0},       {"--1", 0},          {"+-5", 0},    {"- -7", 0},
      {"+-.5", 0},    {"2e+", 2},     {"1e999", HUGE_VAL}, {"1e-999", 0}, {"5.e1", 50},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(lookup_testing::ReferenceReadNumber(text), expected) << text;
  }
  EXPECT_TRUE(std::signbit(lookup_testing::ReferenceReadNumber("-0")));
}

TEST(ReferenceModels, NumberTextAndValue) {
  const std::pair<double, std::string> cases[] = {
      {212, "212"},
      {212.00000000000003, "212"},
      {199.99999999999997, "200"},
      {212.5, "212.5"},
      {0, "0"},
      {-0.5, "-0.5"},
      {1e15, "1E+15"},
      {0.000001234, "1.234E-06"},
      {1.5e300, "1.5E+300"},
      {0.00001, "0.00001"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(lookup_testing::ReferenceNumberText(value), text) << value;
    EXPECT_EQ(lookup_testing::ReferenceNumberText(lookup_testing::ReferenceNumberValue(text)),
              text);
  }
  for (const char* text : {"0212", "2e2", "212.0", "-0", "212 "}) {
    EXPECT_TRUE(std::isnan(lookup_testing::ReferenceNumberValue(text))) << text;
  }
}

TEST(ReferenceModels, Lines) {
  using Lines = std::vector<ReferenceLine>;
  EXPECT_EQ(lookup_testing::ReferenceLines("a\r\n\r\nb\rc\nd"),
            (Lines{{"a", "\r\n"}, {"", "\r\n"}, {"b", "\r"}, {"c", "\n"}, {"d", ""}}));
  EXPECT_EQ(lookup_testing::ReferenceLines("a\r\n"), (Lines{{"a", "\r\n"}}));
  EXPECT_EQ(lookup_testing::ReferenceLines(""), Lines{});
}

TEST(ReferenceModels, Lookups) {
  const std::string directory = "COUNTRY     XY  212     Sample City\r\nshort\r\n";
  EXPECT_EQ(lookup_testing::ReferenceCommand1("0212", directory).shown, "XY   Sample City");
  EXPECT_EQ(lookup_testing::ReferenceCommand1("213", directory).shown, "Area code not found");
  EXPECT_FALSE(lookup_testing::ReferenceCommand1("--212", directory).opensDirectory);
  const std::string metro = "New York City      212\r\nBoise\r\n\r\n";
  EXPECT_EQ(lookup_testing::ReferenceMetroNames(metro),
            (std::vector<std::string>{"New York City      ", "Boise", ""}));
  EXPECT_EQ(lookup_testing::ReferenceCommand2("Boise", metro), "Boise");
  EXPECT_EQ(lookup_testing::ReferenceCommand2("New York City", metro), std::nullopt);
  EXPECT_EQ(lookup_testing::ReferenceCommand2(std::nullopt, metro), std::nullopt);
}

}  // namespace
