// SPDX-License-Identifier: Apache-2.0
// ReadNumber: leading numbers, blanks, signs, exponents, overflow and underflow.
#include "read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace lookup {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadNumber, ReadsTheLeadingDecimalNumber) {
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {" 212 ", 212},
      {"2 1 2", 212},
      {"212abc", 212},
      {"0212", 212},
      {"212.5.1", 212.5},
      {".5", 0.5},
      {"5.", 5},
      {"2.5e2", 250},
      {"2.5E2", 250},
      {"25e-1", 2.5},
      {"5.e1", 50},
      {"-250", -250},
      {"+212", 212},
      {"\t2\n1 2\t", 212},
      {"2 e 2", 200},
      {"2e", 2},
      {"2e+", 2},
      {"2e-x", 2},
      {"2,12", 2},
      {"0x1A", 0},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"+.", 0},
      {"-.e5", 0},
      {"\r212", 0},
      {"\v212", 0},
      {std::string("2\0"
                   "12",
                   4),
       2},
      {"1e999", kInf},
      {"-1e999", -kInf},
      {"1e99999999999999999999999", kInf},
      {"0.000e99999", 0},
      {std::string(400, '9'), kInf},
      {"1e-999", 0},
      {"0." + std::string(400, '0') + "1", 0},
      {"199.99999999999997", 199.99999999999997},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumber(c.text), c.expected) << '\'' << c.text << '\'';
  }
}

TEST(ReadNumber, UnderflowKeepsItsSignAndNeverFails) {
  EXPECT_TRUE(std::signbit(ReadNumber("-1e-999")));
  EXPECT_EQ(ReadNumber("-0"), 0.0);
  EXPECT_EQ(ReadNumber(std::string(100000, '1')), kInf);
  EXPECT_EQ(ReadNumber(std::string(100000, ' ') + "212"), 212);
}

}  // namespace
}  // namespace lookup
