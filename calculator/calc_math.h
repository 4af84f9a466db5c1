// The numeric side of the calculator: every operation either gives a finite
// Extended or reports failure, so no NaN or infinity ever reaches a display.
#pragma once

#include <optional>
#include <string_view>

#include "calc_engine.h"
#include "number_format.h"

namespace umrido {

// base raised to exponent. An exponent of 0 gives 1 (also for base 0); base 0
// with a positive exponent gives 0; an integral exponent of magnitude up to
// 2147483647 is a whole power, so a negative base is allowed; any other
// exponent is e^(exponent * ln base), which fails for base < 0. Within one
// unit of the 15th digit of the exact power of the operands as held; whole
// powers that fit the 64-bit mantissa (2^y, 10^y, 3^40) are exact.
// nullopt on a domain error, a division by zero or overflow; underflow gives 0
// or the nearest representable value.
std::optional<Extended> CalcPower(Extended base, Extended exponent);

// The degree-th root of base, base^(1 / degree), with 1 / degree exact rather
// than rounded. A negative base only where 1 / degree is a whole number in
// Extended (degree 0,2: the fifth power); fails for degree 0 and where
// 1 / degree overflows.
std::optional<Extended> CalcRoot(Extended base, Extended degree);

// The result of the pending operation `op` (kOpNone ... kOpRoot) on the left
// operand `a` and the displayed value `x`. nullopt on failure or an unknown op.
std::optional<Extended> ApplyBinary(int op, Extended a, Extended x);

// The one-operand keys except the factorial (SpeedButtonX_1 ...
// SpeedButtonEuler). nullopt on failure or a key outside that set.
std::optional<Extended> ApplyOneOperand(CalcKey key, Extended x);

// The twelve trigonometric and hyperbolic keys. Sine, cosine and tangent take
// `x` in the unit of `angleMode`, the arc functions give their result in it;
// any mode other than kAngleRad and kAngleGrad counts as degrees. In degrees
// and grads the angle is reduced exactly in its own unit first, so multiples
// of a quarter turn give exact values and the tangent fails at its poles.
std::optional<Extended> ApplyTrig(CalcKey key, Extended x, int angleMode);

// The factorial key's reading of the display: an optional sign and decimal
// digits, nothing else, within the signed 32-bit range.
std::optional<int> ReadWholeNumber(std::string_view text);

// n! for 0 <= n by multiplying 1 ... n in Extended; nullopt if it overflows.
std::optional<Extended> Factorial(int n);

}  // namespace umrido
