// The power rule, the display forms at the ends of the range, and the
// accuracy of every one-operand function against a 113-bit reference.
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#if defined(UMRIDO_HAVE_QUADMATH)
#include <quadmath.h>
#endif

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

#if defined(UMRIDO_HAVE_QUADMATH)
using Quad = __float128;

// The exact result for the argument as held, to 113 bits. Angles are reduced
// by whole turns with fmodq, which is exact.
Quad Reference(CalcKey key, int mode, Quad x) {
  const Quad toRad = mode == kAngleRad ? 1 : acosq(-1) / (mode == kAngleGrad ? 200 : 180);
  const Quad turn = mode == kAngleGrad ? 400 : 360;
  const Quad angle = mode == kAngleRad ? x : fmodq(x, turn) * toRad;
  switch (key) {
    case CalcKey::SpeedButtonSin:
      return sinq(angle);
    case CalcKey::SpeedButtonCos:
      return cosq(angle);
    case CalcKey::SpeedButtonTan:
      return tanq(angle);
    case CalcKey::SpeedButtonArcSin:
      return asinq(x) / toRad;
    case CalcKey::SpeedButtonArcCos:
      return acosq(x) / toRad;
    case CalcKey::SpeedButtonArcTan:
      return atanq(x) / toRad;
    case CalcKey::SpeedButtonHypSin:
      return sinhq(x);
    case CalcKey::SpeedButtonHypCos:
      return coshq(x);
    case CalcKey::SpeedButtonHypTan:
      return tanhq(x);
    case CalcKey::SpeedButtonHypArcSin:
      return asinhq(x);
    case CalcKey::SpeedButtonHypArcCos:
      return acoshq(x);
    case CalcKey::SpeedButtonHypArcTan:
      return atanhq(x);
    case CalcKey::SpeedButtonX_1:
      return 1 / x;
    case CalcKey::SpeedButtonX_2:
      return x * x;
    case CalcKey::SpeedButtonW_2:
      return sqrtq(x);
    case CalcKey::SpeedButtonLn:
      return logq(x);
    case CalcKey::SpeedButtonLg:
      return log10q(x);
    case CalcKey::SpeedButtonEhochx:
      return expq(x);
    case CalcKey::SpeedButton10hochx:
      return powq(10, x);
    case CalcKey::SpeedButtonPi:
      return acosq(-1);
    default:
      return expq(1);  // SpeedButtonEuler
  }
}

struct AccuracyCase {
  CalcKey key;
  int mode;
  Extended lo, hi;              // uniform arguments, and the bounds for those near the spots
  std::vector<Extended> spots;  // ill-conditioned places, approached from both sides
};

// Every function in every angle mode: the shown 15 digits lie within one unit
// of the last of them from the exact result, also next to quarter turns, +-1
// and 1 for the logarithms, where a rounded product or 1 - x*x loses digits.
TEST(Accuracy, FifteenDigitsAgreeWithAQuadPrecisionReference) {
  constexpr Extended kPiL = 3.141592653589793238462643383279502884L;
  const std::vector<Extended> deg{-270, -180, -90, 0, 90, 180, 270, 630, 720, 1e6L + 90};
  const std::vector<Extended> grad{-300, -200, -100, 0, 100, 200, 300, 700, 800, 1e6L + 100};
  const std::vector<Extended> rad{-kPiL / 2, 0, kPiL / 2, kPiL, 3 * kPiL / 2, 2 * kPiL, 20 * kPiL};
  const std::vector<Extended> unit{-1, 0, 1};
  std::vector<AccuracyCase> cases;
  for (CalcKey key : {CalcKey::SpeedButtonSin, CalcKey::SpeedButtonCos, CalcKey::SpeedButtonTan}) {
    cases.push_back({key, kAngleDeg, -1e6L, 1e6L, deg});
    cases.push_back({key, kAngleGrad, -1e6L, 1e6L, grad});
    cases.push_back({key, kAngleRad, -100, 100, rad});
  }
  for (int mode : {kAngleDeg, kAngleRad, kAngleGrad}) {
    cases.push_back({CalcKey::SpeedButtonArcSin, mode, -1, 1, unit});
    cases.push_back({CalcKey::SpeedButtonArcCos, mode, -1, 1, unit});
    cases.push_back({CalcKey::SpeedButtonArcTan, mode, -1e4L, 1e4L, unit});
  }
  cases.insert(cases.end(), {{CalcKey::SpeedButtonHypSin, 0, -100, 100, {0}},
                             {CalcKey::SpeedButtonHypCos, 0, -100, 100, {0}},
                             {CalcKey::SpeedButtonHypTan, 0, -30, 30, {0}},
                             {CalcKey::SpeedButtonHypArcSin, 0, -1e6L, 1e6L, {0}},
                             {CalcKey::SpeedButtonHypArcCos, 0, 1, 1e6L, {1}},
                             {CalcKey::SpeedButtonHypArcTan, 0, -1, 1, unit},
                             {CalcKey::SpeedButtonX_1, 0, -1e6L, 1e6L, {0}},
                             {CalcKey::SpeedButtonX_2, 0, -1e6L, 1e6L, {0}},
                             {CalcKey::SpeedButtonW_2, 0, 0, 1e6L, {0, 1}},
                             {CalcKey::SpeedButtonLn, 0, 0, 10, {1}},
                             {CalcKey::SpeedButtonLg, 0, 0, 10, {1}},
                             {CalcKey::SpeedButtonEhochx, 0, -11000, 11000, {0}},
                             {CalcKey::SpeedButton10hochx, 0, -4900, 4900, {0}},
                             {CalcKey::SpeedButtonPi, 0, 0, 1, {}},
                             {CalcKey::SpeedButtonEuler, 0, 0, 1, {}}});
  std::mt19937_64 rng(15);
  std::uniform_real_distribution<double> u(0, 1);
  for (const AccuracyCase& c : cases) {
    std::vector<Extended> args;
    for (int i = 0; i < 2000; ++i) args.push_back(c.lo + (c.hi - c.lo) * Extended(u(rng)));
    for (Extended s : c.spots) {
      for (int j = 1; j <= 50; ++j) {
        for (Extended sign : {-1.0L, 1.0L}) {
          const Extended a = s + sign * std::ldexp(std::fmax(std::fabs(s), 1) * Extended(1 + u(rng)), -j);
          if (a > c.lo && a < c.hi) args.push_back(a);
        }
      }
    }
    int wrong = 0;
    for (Extended x : args) {
      const bool trig = c.key >= CalcKey::SpeedButtonSin && c.key <= CalcKey::SpeedButtonHypArcTan;
      const std::optional<Extended> r = trig ? ApplyTrig(c.key, x, c.mode) : ApplyOneOperand(c.key, x);
      const Quad exact = Reference(c.key, c.mode, x);
      const std::optional<Extended> shown = r ? ParseNumber(FormatCalc(*r, ','), ',') : std::nullopt;
      const Quad unitOf15th = powq(10, floorq(log10q(fabsq(exact))) - 14);
      if (!shown || fabsq(Quad(*shown) - exact) > unitOf15th) {
        if (++wrong <= 3)
          ADD_FAILURE() << "key " << static_cast<int>(c.key) << " mode " << c.mode << " x " << static_cast<double>(x)
                        << " shows " << (r ? FormatCalc(*r, ',') : "-") << " exact " << static_cast<double>(exact);
      }
    }
  }
}
#endif

}  // namespace
}  // namespace umrido
