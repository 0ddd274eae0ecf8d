// SPDX-License-Identifier: Apache-2.0
// NumberText and NumberValue: canonical texts and their exact reverse.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "read_number.h"

namespace lookup {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, WritesTheCanonicalText) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {212, "212"},
      {212.00000000000003, "212"},
      {199.99999999999997, "200"},
      {212.5, "212.5"},
      {0, "0"},
      {-0.0, "0"},
      {-250, "-250"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {0.1 + 0.2, "0.3"},
      {999.0000000000001, "999"},
      {999.000000000001, "999.000000000001"},
      {123456789012345, "123456789012345"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e300, "1.5E+300"},
      {0.00001, "0.00001"},
      {0.000001234, "1.234E-06"},
      {-1e-300, "-1E-300"},
      {kInf, "Infinity"},
      {-kInf, "-Infinity"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
  }
}

TEST(NumberText, ValueIsTheExactReverse) {
  const double values[] = {212, 212.5, -0.5, 0.00001, 1e15, 1.5e300, -1e-300, 0.3, kInf, -kInf};
  for (double value : values) {
    const std::string text = NumberText(value);
    EXPECT_EQ(NumberText(NumberValue(text)), text) << text;
    if (std::isfinite(value)) {
      EXPECT_EQ(NumberText(ReadNumber(text)), text) << text;  // typed back, it reads the same
    }
  }
  EXPECT_EQ(NumberValue("200"), 200);
  const double largest = std::numeric_limits<double>::max();
  for (double value : {largest, -largest}) {  // their fifteen-digit texts lie beyond the range
    EXPECT_EQ(NumberValue(NumberText(value)), value) << NumberText(value);
  }
  EXPECT_EQ(NumberValue("Infinity"), kInf);
  EXPECT_TRUE(std::isnan(NumberValue("")));
  // Only the texts that NumberText writes denote a value.
  for (const char* text : {"212 ", "", "0212", "212.0", "212.50", "+212", "-0", "2e2", "2E+02",
                           "1e+15", "1E15", "inf", "infinity", "nan", ".5", "212."}) {
    EXPECT_TRUE(std::isnan(NumberValue(text))) << text;
  }
}

}  // namespace
}  // namespace lookup
