#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "calc_engine.h"

namespace umrido {

std::string FormatCalc(Extended x, char separator) {
  std::string text = FormatNumber(x, 15, separator);
  // Where Extended is a plain double, its largest values round up past the
  // range at 15 digits; one digit less keeps the display readable.
  if (std::fabs(x) > std::numeric_limits<Extended>::max() / 2) {
    for (int digits = 14; digits > 0 && !ParseNumber(text, separator); --digits) {
      text = FormatNumber(x, digits, separator);
    }
  }
  return text;
}

namespace {

// The exponent form from the digits of |x|: rounded half-up to 8 digits, or
// cut off after 8 when `truncate`.
std::string ExponentForm(Extended x, char separator, bool truncate) {
  constexpr std::size_t kDigits = 8;
  std::string out;
  const Extended magnitude = std::fabs(x);
  std::string kept(kDigits, '0');
  int exponent = 0;
  // Values the type holds only as denormals count as zero, as in FormatCalc,
  // and zero has no sign.
  if (magnitude >= std::numeric_limits<Extended>::min()) {
    if (x < 0) out += '-';
    // Expand to 18 digits first, then round half-up, like the general format,
    // so that both forms of one value agree in their digits.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
    std::string mantissa;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
      if (*p >= '0' && *p <= '9') mantissa += *p;
    }
    if (p < res.ptr) {
      ++p;
      std::from_chars(*p == '+' ? p + 1 : p, res.ptr, exponent);
    }
    kept = mantissa.substr(0, kDigits);
    if (!truncate && mantissa.size() > kDigits && mantissa[kDigits] >= '5') {
      std::size_t k = kDigits;
      while (k > 0 && kept[k - 1] == '9') kept[--k] = '0';
      if (k > 0) {
        ++kept[k - 1];
      } else {
        kept[0] = '1';
        ++exponent;
      }
    }
  }
  out += kept[0];
  out += separator;
  out += kept.substr(1);
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  out += std::to_string(exponent < 0 ? -exponent : exponent);
  return out;
}

}  // namespace

std::string FormatCalcExponent(Extended x, char separator) {
  if (!std::isfinite(x)) return std::string();
  std::string text = ExponentForm(x, separator, /*truncate=*/false);
  // Next to the largest value, rounding up would leave the range and the
  // display could no longer be read; those few values are cut off instead.
  if (!ParseNumber(text, separator)) text = ExponentForm(x, separator, /*truncate=*/true);
  return text;
}

}  // namespace umrido
