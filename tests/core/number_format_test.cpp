#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace umrido {
namespace {

struct ParseCase {
  const char* text;
  bool ok;
  long double value;  // ignored when !ok
};

class ParseComma : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseComma, ReadsTheNumberSyntax) {
  const ParseCase& c = GetParam();
  const auto v = ParseNumber(c.text, ',');
  ASSERT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
  if (c.ok) {
    EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseComma,
    ::testing::Values(
        ParseCase{"0", true, 0.0L}, ParseCase{"1,5", true, 1.5L}, ParseCase{"  12  ", true, 12.0L},
        ParseCase{"-2,25", true, -2.25L}, ParseCase{",", true, 0.0L}, ParseCase{"-,", true, 0.0L},
        ParseCase{",5", true, 0.5L}, ParseCase{"5,", true, 5.0L}, ParseCase{"1E-", true, 1.0L},
        ParseCase{"1e5", true, 1e5L}, ParseCase{"2,5E-3", true, 2.5e-3L},
        ParseCase{"1E0000000000000000000003", true, 1000.0L},
        // The 500 rule: digits are taken while the exponent is below 500.
        ParseCase{"1E499", true, 1e499L}, ParseCase{"1E4999", false, 0}, ParseCase{"1E5000", false, 0},
        ParseCase{"1E-5000", false, 0}, ParseCase{"1E4933", false, 0},
        // Too small is no failure: the nearest representable value, here 0.
        ParseCase{"1E-4999", true, 0.0L},
        // Below the normal range: correctly rounded to a multiple of 2^-16445,
        // expected m = round(value * 2^16445) worked out in exact rationals
        // (half of 2^-16445 is 1,8225997659412373012...E-4951).
        ParseCase{"1,8225997659412373E-4951", true, 0.0L}, ParseCase{"1,8225997659412374E-4951", true, 0x1p-16445L},
        ParseCase{"5,467799297823712E-4951", true, 0x2p-16445L}, ParseCase{"-1E-4940", true, -0x663278e62p-16445L},
        ParseCase{"7,95364635E-4935", true, 0x4d84ba4b0fdb86p-16445L},
        ParseCase{"3,3621031431120935E-4932", true, 0x7fffffffffffffefp-16445L},
        ParseCase{"3,36210314311209350626E-4932", true, 0x1p-16382L}, ParseCase{"", false, 0}, ParseCase{"+", false, 0},
        ParseCase{"E5", false, 0}, ParseCase{"1.5", false, 0}, ParseCase{"1 2", false, 0}, ParseCase{"\t1", false, 0},
        ParseCase{"1E5x", false, 0}, ParseCase{"0x10", false, 0}, ParseCase{"inf", false, 0},
        ParseCase{"nan", false, 0}, ParseCase{"1EE5", false, 0}));

TEST(ParseNumber, UsesTheSeparatorItIsGiven) {
  EXPECT_EQ(ParseNumber("1.5", '.').value_or(0), 1.5L);
  EXPECT_FALSE(ParseNumber("1,5", '.'));
  EXPECT_FALSE(DetectDecimalIsPoint(','));
  EXPECT_TRUE(DetectDecimalIsPoint('.'));
}

TEST(ParseNumber, IsCorrectlyRoundedInExtended) {
  // 0,1 must be the Extended nearest to one tenth, not a widened double.
  EXPECT_EQ(*ParseNumber("0,1", ','), 0.1L);
  EXPECT_EQ(*ParseNumber("3,106856", ','), 3.106856L);
  EXPECT_EQ(*ParseNumber("123456789012345678901234567890", ','), 123456789012345678901234567890.0L);
  EXPECT_EQ(*ParseNumber("0,000000000000000000000000000001234", ','), 1.234e-30L);
}

struct FormatCase {
  long double x;
  const char* eight;
  const char* fifteen;
};

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, WritesTheGeneralNotation) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatResult(c.x, ','), c.eight);
  EXPECT_EQ(FormatNumber(c.x, 15, ','), c.fifteen);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Format,
    ::testing::Values(
        FormatCase{0.5L, "0,5", "0,5"}, FormatCase{1234.5L, "1234,5", "1234,5"},
        FormatCase{12345678.0L, "12345678", "12345678"}, FormatCase{100000000.0L, "1E8", "100000000"},
        FormatCase{99999999.5L, "1E8", "99999999,5"},  // rounding carries into a new digit
        FormatCase{0.0001L, "0,0001", "0,0001"}, FormatCase{0.00001L, "1E-5", "1E-5"},
        FormatCase{9.999e-5L, "9,999E-5", "9,999E-5"}, FormatCase{1.0L / 3, "0,33333333", "0,333333333333333"},
        FormatCase{-2.0L / 3, "-0,66666667", "-0,666666666666667"}, FormatCase{1.5e-7L, "1,5E-7", "1,5E-7"},
        FormatCase{1e20L, "1E20", "1E20"}, FormatCase{123456789.0L, "1,2345679E8", "123456789"},
        FormatCase{1e15L, "1E15", "1E15"}, FormatCase{1e14L, "1E14", "100000000000000"}, FormatCase{-0.0L, "0", "0"},
        FormatCase{0.0L, "0", "0"},
        FormatCase{-std::numeric_limits<long double>::min(), "-3,3621031E-4932", "-3,36210314311209E-4932"},
        // Below the normal range reads as 0, never as a denormal digit string.
        FormatCase{std::numeric_limits<long double>::denorm_min(), "0", "0"},
        FormatCase{6402373705728000.0L, "6,4023737E15", "6,402373705728E15"}));

TEST(FormatResult, NeverExceedsSixteenCharactersAndReadsBack) {
  // A sweep over magnitudes and mantissas, both signs: the text always parses
  // back to a value within the rounding of 8 digits.
  for (int e = -4931; e <= 4931; e += 7) {
    for (long double m : {1.0L, -1.2345678949L, 9.99999999L, 3.3333333333L}) {
      const long double x = m * std::pow(10.0L, static_cast<long double>(e));
      if (!std::isfinite(x) || std::fabs(x) < std::numeric_limits<long double>::min()) continue;
      const std::string s = FormatResult(x, ',');
      ASSERT_LE(s.size(), 16u) << s;
      const auto back = ParseNumber(s, ',');
      ASSERT_TRUE(back.has_value()) << s;
      EXPECT_NEAR(static_cast<double>(*back / x), 1.0, 1e-7) << s;
    }
  }
}

TEST(FormatNumber, TheLargestValuesStayReadable) {
  // Rounding the largest Extended up would give a text beyond the range.
  const long double top = std::numeric_limits<long double>::max();
  for (long double x : {top, -top, top * 0.99999999999L}) {
    for (int digits : {8, 15}) {
      const std::string s = FormatNumber(x, digits, ',');
      EXPECT_TRUE(ParseNumber(s, ',').has_value()) << s;
    }
  }
  EXPECT_EQ(FormatResult(top, ','), "1,1897314E4932");
}

TEST(FormatNumber, NonFiniteGivesNoText) {
  EXPECT_EQ(FormatResult(std::numeric_limits<long double>::infinity(), ','), "");
  EXPECT_EQ(FormatResult(std::numeric_limits<long double>::quiet_NaN(), ','), "");
}

}  // namespace
}  // namespace umrido
