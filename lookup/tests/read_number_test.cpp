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
      {"--1", 0},  // a second sign is no part of a number
      {"+-5", 0},
      {"- -7", 0},
      {"+-.5", 0},
      {"-+1", 0},
      {"--", 0},
      {"-e5", 0},
      {"-.5", -0.5},
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
      // The order of magnitude is the leading digit's place plus the exponent, however long the
      // digit runs and the exponent are.
      {"212" + std::string(1'100'000, '0') + "e-10000000", 0},
      {"0." + std::string(1'100'000, '0') + "212e10000000", kInf},
      {"212" + std::string(1'100'000, '0') + "e-1100000", 212},
      {"0." + std::string(1'100'000, '0') + "212e1100003", 212},
      {"-0." + std::string(1'100'000, '0') + "212e1100003", -212},
      {std::string(1'100'000, '0') + "212", 212},
      {"0." + std::string(1'100'000, '0') + "1e1100309", 1e308},
      {"0." + std::string(1'100'000, '0') + "1e1100310", kInf},
      {"1" + std::string(1'100'000, '0') + "e-1100323", 1e-323},
      {"1" + std::string(400, '0') + "e-99999999999999999999999999", 0},
      {"1e-" + std::string(100'000, '9'), 0},
      {"4.9406564584124654e-324", 4.9406564584124654e-324},
      {"2.4703282292062328e-324", 4.9406564584124654e-324},  // just above half the least
      {"2.4703282292062327e-324", 0},                        // just below it
      {"1.7976931348623157e308", 1.7976931348623157e308},
      {"1.7976931348623159e308", kInf},  // rounds beyond the largest double
      // Past the digits that decide the nearest double, a later non-zero digit still breaks a tie
      // upwards: 2^53 + 1 is halfway between two doubles.
      {"9007199254740993" + std::string(1000, '0') + "e-1000", 9007199254740992.0},
      {"9007199254740993" + std::string(1000, '0') + "1e-1001", 9007199254740994.0},
      {"9007199254740993." + std::string(1000, '0') + "1", 9007199254740994.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumber(c.text), c.expected)
        << '\'' << c.text.substr(0, 40) << "' of " << c.text.size() << " characters";
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
