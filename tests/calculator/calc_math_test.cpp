// The display forms at the ends of the range, and the accuracy of every
// one-operand function against a 113-bit reference.
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#if defined(UMRIDO_HAVE_QUADMATH)
#include <quadmath.h>
#endif

#include <gtest/gtest.h>

#include "calc_math.h"

namespace umrido {
namespace {

using Limits = std::numeric_limits<Extended>;

// Both display forms of the extreme values must read back, or the next key
// would fail on a number the calculator wrote itself.
TEST(DisplayForms, ExtremesReadBackWithin16Characters) {
  const Extended extremes[] = {Limits::max(), -Limits::max(), std::nextafter(Limits::max(), Extended(0)),
                               Limits::min(), -Limits::min(), Limits::denorm_min()};
  for (Extended x : extremes) {
    for (const std::string& text : {FormatCalcExponent(x, ','), FormatCalc(x, ',')}) {
      EXPECT_LE(text.size(), 23u) << text;  // -d,ddddddddddddddE-4932 is the widest
      EXPECT_TRUE(ParseNumber(text, ',').has_value()) << text;
    }
    EXPECT_LE(FormatCalcExponent(x, ',').size(), 16u);
  }
}

// Whole powers that fit the 64-bit mantissa stay exact, and so do the powers of
// 2 and 10 and a root whose reciprocal degree is a whole number; a negative
// whole power is the correctly rounded reciprocal (3^-41 worked out in exact
// fractions).
TEST(Powers, ExactCasesStayExact) {
  struct Row {
    Extended base, exponent, exact;
  };
  const Row powers[] = {{3, 40, 12157665459056928801.0L},
                        {-2, 63, -9223372036854775808.0L},
                        {7, 22, 3909821048582988049.0L},
                        {2, -16000, std::ldexp(Extended(1), -16000)},
                        {0.5L, 16383, std::ldexp(Extended(1), -16383)},
                        {10, 27, 1e27L},
                        {10, -2, Extended(1) / 100},
                        {10, -27, Extended(1) / 1e27L},
                        {3, -41, 0x8179c704bd3c576ap-128L},
                        {1, 1e4000L, 1},
                        {0, 5, 0}};
  for (const Row& r : powers) {
    EXPECT_EQ(CalcPower(r.base, r.exponent).value_or(-1), r.exact)
        << static_cast<double>(r.base) << " ^ " << static_cast<double>(r.exponent);
  }
  EXPECT_EQ(CalcRoot(16, 0.5L).value_or(-1), 256);
  EXPECT_EQ(CalcRoot(-3, 0.25L).value_or(-1), 81);
  EXPECT_EQ(ApplyBinary(kOpRoot, 2, -0.5L).value_or(-1), 0.25L);
  // The domain: no real root or power of a negative base with a fractional
  // exponent, no 0 to a negative power, no root of degree 0.
  EXPECT_FALSE(CalcPower(-8, 1 / Extended(3)));
  EXPECT_FALSE(CalcPower(0, -2));
  EXPECT_FALSE(CalcRoot(0, -3));
  EXPECT_FALSE(CalcRoot(5, 0));
  EXPECT_EQ(CalcPower(10, -5000).value_or(-1), 0);
  EXPECT_FALSE(CalcPower(10, 1e6L + 0.5L));
  EXPECT_EQ(CalcPower(10, -1e6L - 0.5L).value_or(-1), 0);
  EXPECT_EQ(CalcRoot(0, 3).value_or(-1), 0);
}

#if defined(UMRIDO_HAVE_QUADMATH)
using Quad = __float128;

struct AccuracyCase {
  CalcKey key;
  Quad (*exact)(Quad);          // in radians where angles are concerned
  Extended lo, hi;              // uniform arguments, and the bounds for those near the spots
  std::vector<Extended> spots;  // ill-conditioned places, approached from both sides
  int mode = kAngleRad;
};

// Every function in every angle mode: the shown 15 digits lie within one unit
// of the last of them from the exact result (113 bits) for the argument as
// held, also next to quarter turns, +-1, and 1 for the logarithms, where a
// rounded product or 1 - x*x would lose digits.
TEST(Accuracy, FifteenDigitsAgreeWithAQuadPrecisionReference) {
  constexpr Extended kPiL = 3.141592653589793238462643383279502884L;
  const std::vector<Extended> unit{-1, 0, 1};
  const std::vector<AccuracyCase> plain{
      {CalcKey::SpeedButtonSin, sinq, -100, 100, {-kPiL / 2, 0, kPiL / 2, kPiL, 3 * kPiL / 2, 20 * kPiL}},
      {CalcKey::SpeedButtonCos, cosq, -100, 100, {-kPiL / 2, 0, kPiL / 2, kPiL, 3 * kPiL / 2, 20 * kPiL}},
      {CalcKey::SpeedButtonTan, tanq, -100, 100, {-kPiL / 2, 0, kPiL / 2, kPiL, 3 * kPiL / 2, 20 * kPiL}},
      {CalcKey::SpeedButtonArcSin, asinq, -1, 1, unit},
      {CalcKey::SpeedButtonArcCos, acosq, -1, 1, unit},
      {CalcKey::SpeedButtonArcTan, atanq, -1e4L, 1e4L, unit},
      {CalcKey::SpeedButtonHypSin, sinhq, -100, 100, {0}},
      {CalcKey::SpeedButtonHypCos, coshq, -100, 100, {0}},
      {CalcKey::SpeedButtonHypTan, tanhq, -30, 30, {0}},
      {CalcKey::SpeedButtonHypArcSin, asinhq, -1e6L, 1e6L, {0}},
      {CalcKey::SpeedButtonHypArcCos, acoshq, 1, 1e6L, {1}},
      {CalcKey::SpeedButtonHypArcTan, atanhq, -1, 1, unit},
      {CalcKey::SpeedButtonX_1, [](Quad x) -> Quad { return 1 / x; }, -1e6L, 1e6L, {0}},
      {CalcKey::SpeedButtonX_2, [](Quad x) -> Quad { return x * x; }, -1e6L, 1e6L, {0}},
      {CalcKey::SpeedButtonW_2, sqrtq, 0, 1e6L, {0, 1}},
      {CalcKey::SpeedButtonLn, logq, 0, 10, {1}},
      {CalcKey::SpeedButtonLg, log10q, 0, 10, {1}},
      {CalcKey::SpeedButtonEhochx, expq, -11000, 11000, {0}},
      {CalcKey::SpeedButton10hochx, [](Quad x) -> Quad { return powq(10, x); }, -4900, 4900, {0}},
      {CalcKey::SpeedButtonPi, [](Quad) -> Quad { return acosq(-1); }, 0, 1, {}},
      {CalcKey::SpeedButtonEuler, [](Quad) -> Quad { return expq(1); }, 0, 1, {}}};
  std::vector<AccuracyCase> cases = plain;
  for (int mode : {kAngleDeg, kAngleGrad}) {
    const Extended q = mode == kAngleDeg ? 90 : 100;  // a quarter turn
    for (int i = 0; i < 6; ++i) {
      AccuracyCase c = plain[static_cast<std::size_t>(i)];
      c.mode = mode;
      if (i < 3) c = {c.key, c.exact, -1e6L, 1e6L, {-3 * q, -2 * q, -q, 0, q, 2 * q, 3 * q, 7 * q, 1e6L + q}, mode};
      cases.push_back(c);
    }
  }
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
    const bool trig = c.key >= CalcKey::SpeedButtonSin && c.key <= CalcKey::SpeedButtonHypArcTan;
    const bool circular = trig && c.key <= CalcKey::SpeedButtonTan;
    const bool arc = trig && !circular && c.key <= CalcKey::SpeedButtonArcTan;
    const Quad toRad = c.mode == kAngleRad ? 1 : acosq(-1) / (c.mode == kAngleGrad ? 200 : 180);
    int wrong = 0;
    for (Extended x : args) {
      // Whole turns come off exactly (fmodq) before the angle meets pi.
      const Quad turns = c.mode == kAngleRad ? Quad(x) : fmodq(x, c.mode == kAngleGrad ? 400 : 360) * toRad;
      const Quad exact = circular ? c.exact(turns) : arc ? c.exact(x) / toRad : c.exact(x);
      const std::optional<Extended> r = trig ? ApplyTrig(c.key, x, c.mode) : ApplyOneOperand(c.key, x);
      const std::optional<Extended> shown = r ? ParseNumber(FormatCalc(*r, ','), ',') : std::nullopt;
      const Quad unitOf15th = powq(10, floorq(log10q(fabsq(exact))) - 14);
      if ((!shown || fabsq(Quad(*shown) - exact) > unitOf15th) && ++wrong <= 3) {
        ADD_FAILURE() << "key " << static_cast<int>(c.key) << " mode " << c.mode << " x " << static_cast<double>(x)
                      << " shows " << (r ? FormatCalc(*r, ',') : "-") << " exact " << static_cast<double>(exact);
      }
    }
  }
}
// xʸ and ʸ√x: within one unit of the 15th digit of the exact power of the
// operands as held, for whole and fractional exponents, small and large, with
// bases near 1 where a whole power by repeated squaring in Extended alone
// loses five digits, and results up to the ends of the range.
TEST(Accuracy, PowersAndRootsAgreeWithAQuadPrecisionReference) {
  std::mt19937_64 rng(18);
  std::uniform_real_distribution<double> u(0, 1);
  std::vector<std::pair<Extended, Extended>> pairs;  // the operands a and y of a^y
  auto logUniform = [&](double lo, double hi) {
    return Extended(std::exp(std::log(lo) + (std::log(hi) - std::log(lo)) * u(rng)));
  };
  for (int i = 0; i < 3000; ++i) {
    // A result anywhere in the range: the base follows from a target ln r.
    const Extended target = Extended(-11000 + 22000 * u(rng));
    const Extended whole = std::nearbyint(logUniform(1, 2147483647) * (u(rng) < 0.5 ? -1 : 1));
    const Extended fraction = logUniform(1e-3, 1e12) * (u(rng) < 0.5 ? -1 : 1);
    for (Extended y : {whole, fraction}) pairs.push_back({std::exp(target / y), y});
    const Extended small = std::nearbyint(Extended(-60 + 120 * u(rng)));
    for (Extended sign : {1, -1}) pairs.push_back({sign * logUniform(1e-60, 1e60), small});
    pairs.push_back({logUniform(1e-60, 1e60), Extended(-60 + 120 * u(rng))});
  }
  pairs.push_back({1.00000519495L, 2134182068});
  for (bool root : {false, true}) {
    int wrong = 0;
    int checked = 0;
    for (const auto& [a, y] : pairs) {
      // The root is checked with the degree whose reciprocal is the exponent.
      const Extended degree = 1 / y;
      const std::optional<Extended> r = root ? CalcRoot(a, degree) : CalcPower(a, y);
      const Quad magnitude = powq(fabsq(Quad(a)), root ? 1 / Quad(degree) : Quad(y));
      if (!r || magnitude > Quad(Limits::max()) || magnitude < Quad(Limits::min())) {
        continue;  // beyond the range, or a denormal with fewer than 15 digits
      }
      ++checked;
      const Quad exact = a < 0 && std::fmod(y, Extended(2)) != 0 ? -magnitude : magnitude;
      const std::optional<Extended> shown = ParseNumber(FormatCalc(*r, ','), ',');
      const Quad units = fabsq(Quad(shown.value_or(0)) - exact) / powq(10, floorq(log10q(fabsq(exact))) - 14);
      if (units > 1 && ++wrong <= 3) {
        ADD_FAILURE() << (root ? "root " : "power ") << static_cast<double>(a) << " " << static_cast<double>(y)
                      << " shows " << FormatCalc(*r, ',');
      }
    }
    EXPECT_GT(checked, 10000);
  }
}
#endif

}  // namespace
}  // namespace umrido
