// The power rule and the display forms at the ends of the range.
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "calc_math.h"

namespace umrido {
namespace {

struct PowerCase {
  Extended base;
  Extended exponent;
  std::optional<Extended> result;  // nullopt: the power fails
};

std::ostream& operator<<(std::ostream& os, const PowerCase& c) {
  return os << static_cast<double>(c.base) << " ^ " << static_cast<double>(c.exponent);
}

class Power : public ::testing::TestWithParam<PowerCase> {};

TEST_P(Power, FollowsTheRules) {
  const PowerCase& c = GetParam();
  const std::optional<Extended> r = CalcPower(c.base, c.exponent);
  ASSERT_EQ(r.has_value(), c.result.has_value());
  if (!r) return;
  EXPECT_LE(std::fabs(*r - *c.result), std::fabs(*c.result) * 8 * std::numeric_limits<Extended>::epsilon());
  EXPECT_EQ(std::signbit(*r), std::signbit(*c.result));
}

INSTANTIATE_TEST_SUITE_P(Cases, Power,
                         ::testing::Values(PowerCase{2, 10, 1024}, PowerCase{-2, 3, -8}, PowerCase{-2, -3, -0.125L},
                                           PowerCase{0, 0, 1}, PowerCase{-5, 0, 1}, PowerCase{0, 5, 0},
                                           PowerCase{0, 0.5L, 0}, PowerCase{0, -1, std::nullopt},
                                           PowerCase{0, -0.5L, std::nullopt}, PowerCase{-8, 1 / 3.0L, std::nullopt},
                                           PowerCase{10, -2, 0.01L}, PowerCase{4, 0.5L, 2},
                                           PowerCase{-1, 2147483647.0L, -1}, PowerCase{-1, 2147483648.0L, std::nullopt},
                                           PowerCase{1, 1e30L, 1}, PowerCase{0.5L, 1e30L, 0},
                                           PowerCase{std::numeric_limits<Extended>::max(), 2, std::nullopt},
                                           PowerCase{std::numeric_limits<Extended>::max(), -2, 0}));

// Both display forms of the extreme values must read back, or the next key
// would fail on a number the calculator wrote itself.
TEST(DisplayForms, ExtremesReadBackWithin16Characters) {
  const Extended extremes[] = {std::numeric_limits<Extended>::max(),
                               -std::numeric_limits<Extended>::max(),
                               std::nextafter(std::numeric_limits<Extended>::max(), Extended(0)),
                               std::numeric_limits<Extended>::min(),
                               -std::numeric_limits<Extended>::min(),
                               std::numeric_limits<Extended>::denorm_min()};
  for (Extended x : extremes) {
    for (const std::string& text : {FormatCalcExponent(x, ','), FormatCalc(x, ',')}) {
      EXPECT_LE(text.size(), 23u) << text;  // -d,ddddddddddddddE-4932 is the widest
      EXPECT_TRUE(ParseNumber(text, ',').has_value()) << text;
    }
    EXPECT_LE(FormatCalcExponent(x, ',').size(), 16u);
  }
}

}  // namespace
}  // namespace umrido
