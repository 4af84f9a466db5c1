#include "calc_math.h"

#include <cmath>
#include <cstdint>

namespace umrido {
namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr Extended kRadPerDeg = 0.0174532925199432957692369076848861271L;
constexpr Extended kDegPerRad = 57.2957795130823208767981548141051703L;
constexpr Extended kRadPerGrad = 0.0157079632679489661923132169163975144L;
constexpr Extended kGradPerRad = 63.6619772367581343075535053490057448L;

std::optional<Extended> Finite(Extended x) {
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

// sqrt(1 - x^2) for |x| <= 1. As (1 - x)(1 + x) both factors are exact or
// nearly so, where 1 - x*x near |x| = 1 loses the digits that x*x rounds away.
Extended CosOfArcSine(Extended x) { return std::sqrt((1 - x) * (1 + x)); }

// Which of the three plain functions a trigonometric key computes.
enum class Circular { kSin, kCos, kTan };

std::optional<Extended> CircularInRadians(Circular f, Extended radians) {
  switch (f) {
    case Circular::kSin:
      return Finite(std::sin(radians));
    case Circular::kCos:
      return Finite(std::cos(radians));
    case Circular::kTan:
      return Finite(std::tan(radians));
  }
  return std::nullopt;
}

// Degrees and grads: the nearest whole quarter turn is taken off exactly in
// the angle's own unit (fmod and the subtraction are exact), and only the
// remainder of at most an eighth turn passes through the inexact factor of pi.
// So quarter turns give exact values, and an angle close to one keeps all its
// digits instead of losing them to the rounding of a large product.
std::optional<Extended> CircularInTurns(Circular f, Extended x, Extended fullTurn, Extended radPerUnit) {
  const Extended quarter = fullTurn / 4;
  const Extended reduced = std::fmod(x, fullTurn);
  const Extended nearest = std::nearbyint(reduced / quarter);
  const Extended radians = (reduced - nearest * quarter) * radPerUnit;
  const int q = (static_cast<int>(nearest) % 4 + 4) % 4;
  const Extended s = std::sin(radians);
  const Extended c = std::cos(radians);
  switch (f) {
    case Circular::kSin:
      return q == 0 ? s : q == 1 ? c : q == 2 ? -s : -c;
    case Circular::kCos:
      return q == 0 ? c : q == 1 ? -s : q == 2 ? -c : s;
    case Circular::kTan:
      if (q % 2 == 0) return Finite(std::tan(radians));
      if (radians == 0) return std::nullopt;  // a pole
      return Finite(-1 / std::tan(radians));
  }
  return std::nullopt;
}

std::optional<Extended> Circular3(Circular f, Extended x, int angleMode) {
  switch (angleMode) {
    case kAngleRad:
      return CircularInRadians(f, x);
    case kAngleGrad:
      return CircularInTurns(f, x, 400, kRadPerGrad);
    default:
      return CircularInTurns(f, x, 360, kRadPerDeg);
  }
}

Extended FromRadians(Extended r, int angleMode) {
  switch (angleMode) {
    case kAngleRad:
      return r;
    case kAngleGrad:
      return r * kGradPerRad;
    default:
      return r * kDegPerRad;
  }
}

}  // namespace

std::optional<Extended> CalcPower(Extended base, Extended exponent) {
  if (!std::isfinite(base) || !std::isfinite(exponent)) return std::nullopt;
  if (exponent == 0) return Extended(1);
  if (base == 0 && exponent > 0) return Extended(0);
  if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
    const auto n = static_cast<std::int64_t>(exponent);
    std::uint64_t m = static_cast<std::uint64_t>(n < 0 ? -n : n);
    Extended result = 1;
    Extended square = base;
    // No squaring after the last bit: an unused square could overflow.
    for (;;) {
      if (m & 1u) result *= square;
      m >>= 1u;
      if (m == 0) break;
      square *= square;
    }
    if (n < 0) {
      // A zero power means 1/0 or a quotient beyond the range; an infinite one
      // means the true result lies below the smallest value: underflow.
      if (result == 0) return std::nullopt;
      if (std::isinf(result)) return std::copysign(Extended(0), result);
      result = 1 / result;
    }
    return Finite(result);
  }
  if (base <= 0) return std::nullopt;  // the logarithm of base is undefined
  return Finite(std::exp(exponent * std::log(base)));
}

std::optional<Extended> ApplyBinary(int op, Extended a, Extended x) {
  switch (op) {
    case kOpNone:
      return Finite(x);
    case kOpAdd:
      return Finite(a + x);
    case kOpSubtract:
      return Finite(a - x);
    case kOpMultiply:
      return Finite(a * x);
    case kOpDivide:
      if (x == 0) return std::nullopt;
      return Finite(a / x);
    case kOpPower:
      return CalcPower(a, x);
    case kOpRoot: {
      if (x == 0) return std::nullopt;
      const std::optional<Extended> inverse = Finite(1 / x);
      if (!inverse) return std::nullopt;
      return CalcPower(a, *inverse);
    }
    default:
      return std::nullopt;
  }
}

std::optional<Extended> ApplyOneOperand(CalcKey key, Extended x) {
  switch (key) {
    case CalcKey::SpeedButtonX_1:
      if (x == 0) return std::nullopt;
      return Finite(1 / x);
    case CalcKey::SpeedButtonX_2:
      return Finite(x * x);
    case CalcKey::SpeedButtonW_2:
      if (x < 0) return std::nullopt;
      return Finite(std::sqrt(x));
    case CalcKey::SpeedButtonLn:
      if (x <= 0) return std::nullopt;
      return Finite(std::log(x));
    case CalcKey::SpeedButtonLg:
      if (x <= 0) return std::nullopt;
      return Finite(std::log10(x));
    case CalcKey::SpeedButtonPi:
      return kPi;
    case CalcKey::SpeedButtonPlusMinus:
      return Finite(x * -1);
    case CalcKey::SpeedButtonEhochx:
      return Finite(std::exp(x));
    case CalcKey::SpeedButton10hochx:
      return CalcPower(10, x);
    case CalcKey::SpeedButtonEuler:
      return Finite(std::exp(Extended(1)));
    default:
      return std::nullopt;
  }
}

std::optional<Extended> ApplyTrig(CalcKey key, Extended x, int angleMode) {
  if (!std::isfinite(x)) return std::nullopt;
  switch (key) {
    case CalcKey::SpeedButtonSin:
      return Circular3(Circular::kSin, x, angleMode);
    case CalcKey::SpeedButtonCos:
      return Circular3(Circular::kCos, x, angleMode);
    case CalcKey::SpeedButtonTan:
      return Circular3(Circular::kTan, x, angleMode);
    case CalcKey::SpeedButtonArcSin:
      if (std::fabs(x) > 1) return std::nullopt;
      return Finite(FromRadians(std::atan2(x, CosOfArcSine(x)), angleMode));
    case CalcKey::SpeedButtonArcCos:
      if (std::fabs(x) > 1) return std::nullopt;
      return Finite(FromRadians(std::atan2(CosOfArcSine(x), x), angleMode));
    case CalcKey::SpeedButtonArcTan:
      return Finite(FromRadians(std::atan(x), angleMode));
    case CalcKey::SpeedButtonHypSin:
      return Finite(std::sinh(x));
    case CalcKey::SpeedButtonHypCos:
      return Finite(std::cosh(x));
    case CalcKey::SpeedButtonHypTan:
      return Finite(std::tanh(x));
    case CalcKey::SpeedButtonHypArcSin:
      return Finite(std::asinh(x));
    case CalcKey::SpeedButtonHypArcCos:
      if (x < 1) return std::nullopt;
      return Finite(std::acosh(x));
    case CalcKey::SpeedButtonHypArcTan:
      if (std::fabs(x) >= 1) return std::nullopt;
      return Finite(std::atanh(x));
    default:
      return std::nullopt;
  }
}

std::optional<int> ReadWholeNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > 2147483648LL) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<Extended> Factorial(int n) {
  if (n < 0) return std::nullopt;
  Extended r = 1;
  for (int i = 1; i <= n; ++i) {
    r *= i;
    if (!std::isfinite(r)) return std::nullopt;
  }
  return r;
}

}  // namespace umrido
