#include "calc_math.h"

#include <algorithm>
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

// Powers and roots carry twice the precision of Extended: a value is
// hi + lo with |lo| at most half a unit of hi's last place. Repeated squaring
// in Extended alone doubles the relative error with every squaring (a power
// of 1,00000519495 by 2134182068 would be wrong from the 10th digit), and
// e^(y ln x) in Extended loses the last digits of y ln x, which becomes the
// relative error of a result near the top of the range.
struct Wide {
  Extended hi;
  Extended lo;
};

Wide Sum(Extended a, Extended b) {
  const Extended s = a + b;
  const Extended v = s - a;
  return {s, (a - (s - v)) + (b - v)};
}

Wide Product(Wide a, Wide b) {
  const Extended p = a.hi * b.hi;
  const Extended e = std::fma(a.hi, b.hi, -p) + (a.hi * b.lo + a.lo * b.hi);
  return Sum(p, e);
}

// A whole power, its binary exponent kept apart so that no square overflows
// or underflows on the way: the value is (hi + lo) * 2^exp.
struct Scaled {
  Wide w;
  std::int64_t exp;
};

Scaled Normal(Wide w, std::int64_t exp) {
  int e = 0;
  const Extended hi = std::frexp(w.hi, &e);
  return {{hi, std::ldexp(w.lo, -e)}, exp + e};
}

Scaled Multiply(const Scaled& a, const Scaled& b) { return Normal(Product(a.w, b.w), a.exp + b.exp); }

// base^n for base != 0 by repeated squaring. Whole results that fit the 64-bit
// mantissa come out exact, others correctly rounded but for a few units of
// the 128th bit; 1 / base^n is formed in the wide type too, so 10^-2 is 1 / 100.
std::optional<Extended> WholePower(Extended base, std::int64_t n) {
  std::uint64_t m = static_cast<std::uint64_t>(n < 0 ? -n : n);
  const bool negative = base < 0 && (m & 1u) != 0;
  Scaled result{{1, 0}, 0};
  Scaled square = Normal({std::fabs(base), 0}, 0);
  // No squaring after the last bit: an unused square would only cost time.
  for (;;) {
    if (m & 1u) result = Multiply(result, square);
    m >>= 1u;
    if (m == 0) break;
    square = Multiply(square, square);
  }
  Wide w = result.w;
  std::int64_t exp = result.exp;
  if (n < 0) {
    const Extended q = 1 / w.hi;
    const Extended r = std::fma(-q, w.hi, Extended(1)) - q * w.lo;
    w = Sum(q, r / w.hi);
    exp = -exp;
  }
  // Far beyond the range either way; ldexp takes an int.
  exp = std::clamp<std::int64_t>(exp, -100000, 100000);
  const Extended magnitude = std::ldexp(w.hi + w.lo, static_cast<int>(exp));
  if (!std::isfinite(magnitude)) return std::nullopt;
  return negative ? -magnitude : magnitude;
}

// ln 2 split so that k * kLn2Hi is exact for every binary exponent k.
constexpr Extended kLn2Hi = 0x162e42feep-33L;
constexpr Extended kLn2Lo = 0xd1cf79abc9e3b398p-96L;

// ln x for a finite x > 0, to about 2^-70 of its size: x = m * 2^k with m
// within sqrt(1/2) .. sqrt(2), and ln m = 2 atanh(s), s = (m - 1) / (m + 1),
// whose series beyond the first term is small enough for Extended.
Wide Log(Extended x) {
  int k = 0;
  Extended m = std::frexp(x, &k);
  if (m < 0.70710678118654752440L) {
    m *= 2;
    --k;
  }
  const Extended num = m - 1;  // exact
  const Wide den = Sum(m, 1);
  const Extended s = num / den.hi;
  const Extended sLo = (std::fma(-s, den.hi, num) - s * den.lo) / den.hi;
  const Extended z = s * s;
  Extended tail = 0;  // 1/3 + z/5 + z^2/7 + ...; z <= 0.0295, 14 terms reach 2^-70
  for (int j = 29; j >= 3; j -= 2) tail = tail * z + Extended(1) / j;
  const Wide lnM = Sum(2 * s, 2 * sLo + 2 * s * z * tail);
  const Wide whole = Sum(k * kLn2Hi, lnM.hi);
  return Sum(whole.hi, whole.lo + lnM.lo + k * kLn2Lo);
}

Wide Times(Wide a, Extended y) { return Product(a, {y, 0}); }

Wide Over(Wide a, Extended y) {
  const Extended q = a.hi / y;
  const Extended r = std::fma(-q, y, a.hi) + a.lo;
  return Sum(q, r / y);
}

// e^(hi + lo) = e^hi * (1 + lo) for |lo| below a unit of hi's last place;
// nullopt where it overflows, 0 or a denormal where it underflows.
std::optional<Extended> Exp(Wide t) {
  if (!std::isfinite(t.hi) || std::fabs(t.hi) > 100000) {
    if (t.hi > 0) return std::nullopt;
    return Extended(0);
  }
  const Extended e = std::exp(t.hi);
  return Finite(e + e * t.lo);
}

}  // namespace

std::optional<Extended> CalcPower(Extended base, Extended exponent) {
  if (!std::isfinite(base) || !std::isfinite(exponent)) return std::nullopt;
  if (exponent == 0) return Extended(1);
  if (base == 0) {
    if (exponent > 0) return Extended(0);
    return std::nullopt;  // 1 / 0
  }
  if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
    return WholePower(base, static_cast<std::int64_t>(exponent));
  }
  if (base < 0) return std::nullopt;  // the logarithm of base is undefined
  return Exp(Times(Log(base), exponent));
}

std::optional<Extended> CalcRoot(Extended base, Extended degree) {
  if (!std::isfinite(base) || !std::isfinite(degree) || degree == 0) return std::nullopt;
  const Extended inverse = 1 / degree;
  if (!std::isfinite(inverse)) return std::nullopt;
  const bool whole = inverse == std::trunc(inverse) && std::fabs(inverse) <= 2147483647.0L;
  // Where 1 / degree is a whole number exactly (degree 0,5 or 0,25) the root
  // is that power, exact where it fits.
  if (whole && std::fma(inverse, degree, Extended(-1)) == 0) return CalcPower(base, inverse);
  if (base == 0) return inverse > 0 ? std::optional<Extended>(0) : std::nullopt;
  // A negative base only where 1 / degree rounds to a whole number (degree
  // 0,2 gives the fifth power); its parity gives the sign.
  if (base < 0 && !whole) return std::nullopt;
  const bool negative = base < 0 && std::fmod(inverse, Extended(2)) != 0;
  const std::optional<Extended> r = Exp(Over(Log(std::fabs(base)), degree));
  if (!r) return std::nullopt;
  return negative ? -*r : *r;
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
      return CalcRoot(a, x);
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
