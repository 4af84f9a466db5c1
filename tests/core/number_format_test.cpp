#include "number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace umrido {
namespace {

// The 500 rule: digits are taken while the exponent is below 500. Too small is
// no failure: the nearest representable value. Below the normal range: correctly
// rounded to a multiple of 2^-16445, m = round(value * 2^16445) worked out in
// exact rationals (half of 2^-16445 is 1,8225997659412373012...E-4951).
TEST(ParseNumber, ReadsTheNumberSyntax) {
  for (const char* text : {"1E4999", "1E4933", "", "1.5", "1 2", "1EE5"}) EXPECT_FALSE(ParseNumber(text, ',')) << text;
  const std::pair<const char*, long double> plain[] = {{"1,5", 1.5L}, {"  12  ", 12.0L},   {"-2,25", -2.25L},
                                                       {"1e5", 1e5L}, {"2,5E-3", 2.5e-3L}, {"1E-4999", 0.0L}};
  const std::pair<const char*, long double> subnormal[] = {{"1,8225997659412373E-4951", 0.0L},
                                                           {"1,8225997659412374E-4951", 0x1p-16445L},
                                                           {"5,467799297823712E-4951", 0x2p-16445L},
                                                           {"-1E-4940", -0x663278e62p-16445L},
                                                           {"7,95364635E-4935", 0x4d84ba4b0fdb86p-16445L},
                                                           {"3,3621031431120935E-4932", 0x7fffffffffffffefp-16445L}};
  for (const auto& [text, value] : plain) EXPECT_EQ(ParseNumber(text, ',').value_or(-1), value) << text;
  for (const auto& [text, value] : subnormal) EXPECT_EQ(ParseNumber(text, ',').value_or(-1), value) << text;
  // The separator is the one it is given.
  EXPECT_EQ(ParseNumber("1.5", '.').value_or(0), 1.5L);
  EXPECT_FALSE(ParseNumber("1,5", '.'));
  EXPECT_FALSE(DetectDecimalIsPoint(','));
  EXPECT_TRUE(DetectDecimalIsPoint('.'));
}

// 99999999,5 rounds into a new digit; rounding the largest Extended up would
// give a text beyond the range. Then the value in 8 and in 15 digits.
TEST(FormatNumber, WritesTheGeneralNotation) {
  const long double top = std::numeric_limits<long double>::max();
  const std::tuple<long double, const char*, const char*> cases[] = {
      {12345678.0L, "12345678", "12345678"},
      {99999999.5L, "1E8", "99999999,5"},
      {0.0001L, "0,0001", "0,0001"},
      {0.00001L, "1E-5", "1E-5"},
      {-2.0L / 3, "-0,66666667", "-0,666666666666667"},
      {1e14L, "1E14", "100000000000000"},
      {-0.0L, "0", "0"},
      {top, "1,1897314E4932", "1,18973149535723E4932"},
      {-top * 0.99999999999L, "-1,1897314E4932", "-1,18973149534533E4932"},
  };
  for (const auto& [x, eight, fifteen] : cases) {
    EXPECT_EQ(FormatResult(x, ','), eight);
    EXPECT_EQ(FormatNumber(x, 15, ','), fifteen);
  }
  // Asked for fewer than one or more than 18 digits, the nearest of those.
  EXPECT_EQ(FormatNumber(2.0L / 3, 0, ','), "0,7");
  EXPECT_EQ(FormatNumber(1.5e18L, 19, ','), "1,5E18");
}

// A long paste is rounded once, half-up from the text's own digits, so a tail
// of ...4999... never goes up, a tail of ...5000... always does, and below the
// normal range the digits are the text's, not those of the value as held.
TEST(FitNumberText, RoundsTheTextsOwnDigitsOnce) {
  const std::tuple<const char*, char, const char*> named[] = {
      {"3,7343063279062649999", ',', "3,73430632790626"},
      {"-4.005640374999999999E-570", '.', "-4.00564037E-570"},
      {"8,44748295280673799E-4951", ',', "8,44748295E-4951"},
      {"-1,189731495357E4932", ',', "-1,18973149E4932"},  // rounding up leaves the range
      {"99999999999999999", ',', "1E17"},
      {",4020000000000000E-4999", ',', "0"}};  // "4,02E-5000" would not read again
  for (const auto& [text, separator, fitted] : named) {
    EXPECT_EQ(FitNumberText(text, separator, 16).value_or("-"), fitted) << text;
  }
  // Every length from 17 to 40 characters, with and without an exponent.
  const std::string fixed = "1,23456789012345";
  const std::string sci = "-2,00564037";
  for (std::size_t length = 17; length <= 40; ++length) {
    for (const auto& [next, fill] : {std::pair{'4', '9'}, std::pair{'5', '0'}}) {
      const bool up = next == '5';
      const std::string a = fixed + next + std::string(length - fixed.size() - 1, fill);
      const std::string b = sci + next + std::string(length - sci.size() - 6, fill) + "E-570";
      EXPECT_EQ(FitNumberText(a, ',', 16).value_or("-"), up ? "1,23456789012346" : "1,23456789012345") << a;
      EXPECT_EQ(FitNumberText(b, ',', 16).value_or("-"), up ? "-2,00564038E-570" : "-2,00564037E-570") << b;
    }
  }
}

}  // namespace
}  // namespace umrido
