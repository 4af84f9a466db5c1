#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace umrido {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Below the normal range from_chars reports "out of range" and leaves the value
// alone, so a tiny value goes to strtold, which rounds correctly into the
// denormals (or to 0). The text holds digits and an exponent only, no decimal
// point, so the locale that Qt sets from the environment cannot change the
// reading.
Extended ReadTiny(const std::string& digitsAndExponent) { return std::strtold(digitsAndExponent.c_str(), nullptr); }

// Converts digits * 10^exponent to Extended with one correct rounding, without
// looking at the locale. Underflow is not a failure: such a tiny value reads as
// the nearest representable one, possibly 0.
std::optional<Extended> ToExtended(const DecimalText& d) {
  if (d.digits.empty()) return Extended{0};
  std::string text = d.digits;
  text += 'e';
  text += std::to_string(d.exponent);
  Extended value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
  if (ec == std::errc::result_out_of_range) {
    // Decimal exponent of the leading digit tells overflow from underflow.
    const long long leading = d.exponent + static_cast<long long>(d.digits.size());
    if (leading > 0) return std::nullopt;
    return ReadTiny(text);
  }
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// Writes sign, digits and decimal exponent E (|x| = 0.digits * 10^E) in the
// general notation: fixed for -3 <= E <= maxFixed, scientific otherwise.
std::string Compose(bool negative, std::string kept, int E, int maxFixed, char separator) {
  while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
  std::string out;
  if (negative) out += '-';
  if (E >= -3 && E <= maxFixed) {
    if (E >= 1) {
      const std::size_t intLen = static_cast<std::size_t>(E);
      if (kept.size() <= intLen) {
        out += kept;
        out.append(intLen - kept.size(), '0');
      } else {
        out += kept.substr(0, intLen);
        out += separator;
        out += kept.substr(intLen);
      }
    } else {
      out += '0';
      out += separator;
      out.append(static_cast<std::size_t>(-E), '0');
      out += kept;
    }
  } else {
    out += kept[0];
    if (kept.size() > 1) {
      out += separator;
      out += kept.substr(1);
    }
    out += 'E';
    out += std::to_string(E - 1);
  }
  return out;
}

}  // namespace

std::optional<DecimalText> ReadDecimal(std::string_view text, char separator) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  DecimalText d;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    d.negative = text[i] == '-';
    ++i;
  }
  bool mantissaSeen = false;
  long long fractionDigits = 0;
  while (i < n && IsDigit(text[i])) {
    if (!(d.digits.empty() && text[i] == '0')) d.digits += text[i];
    mantissaSeen = true;
    ++i;
  }
  if (i < n && text[i] == separator) {
    mantissaSeen = true;
    ++i;
    while (i < n && IsDigit(text[i])) {
      if (!(d.digits.empty() && text[i] == '0')) {
        d.digits += text[i];
      }
      ++fractionDigits;
      ++i;
    }
  }
  if (!mantissaSeen) return std::nullopt;
  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    while (i < n && IsDigit(text[i]) && exponent < 500) {
      exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (expNegative) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return std::nullopt;

  // Keep the digit string short enough for from_chars while staying exact:
  // trailing zeros only move the exponent.
  while (!d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    ++exponent;
  }
  // Leading zeros of the fraction were skipped above but still count in the
  // fraction length, so the exponent is right for the remaining digits.
  d.exponent = exponent - fractionDigits;
  return d;
}

std::optional<Extended> ParseNumber(std::string_view text, char separator) {
  const std::optional<DecimalText> d = ReadDecimal(text, separator);
  if (!d) return std::nullopt;
  std::optional<Extended> v = ToExtended(*d);
  if (!v) return std::nullopt;
  return d->negative ? -*v : *v;
}

bool DetectDecimalIsPoint(char platformSeparator) { return !ParseNumber("1,1", platformSeparator).has_value(); }

namespace {

// The digits 0.d1d2... * 10^E rounded half-up to `digits` digits, in the
// general notation (fixed for -3 <= E <= maxFixed). Right below the largest
// Extended, rounding up gives a text beyond the range that no field could
// read back; there the digits are cut instead.
std::string RoundAndCompose(bool negative, const std::string& all, long long E, int digits, int maxFixed,
                            char separator) {
  std::string kept = all.substr(0, static_cast<std::size_t>(digits));
  long long keptE = E;
  if (all.size() > static_cast<std::size_t>(digits) && all[static_cast<std::size_t>(digits)] >= '5') {
    int k = digits - 1;
    while (k >= 0) {
      if (kept[static_cast<std::size_t>(k)] == '9') {
        kept[static_cast<std::size_t>(k)] = '0';
        --k;
      } else {
        ++kept[static_cast<std::size_t>(k)];
        break;
      }
    }
    if (k < 0) {
      kept = "1";
      ++keptE;
    }
  }
  std::string out = Compose(negative, kept, static_cast<int>(keptE), maxFixed, separator);
  if (keptE > std::numeric_limits<Extended>::max_exponent10 && !ParseNumber(out, separator)) {
    out = Compose(negative, all.substr(0, static_cast<std::size_t>(digits)), static_cast<int>(E), maxFixed, separator);
  }
  return out;
}

// |x| > 0 finite (denormals too) with `digits` significant digits: expanded to
// 18 digits, rounded half-up, fixed notation for -3 <= E <= maxFixed.
std::string Write(Extended x, int digits, char separator, int maxFixed) {
  const Extended magnitude = std::fabs(x);
  // Expand to 18 significant digits, correctly rounded.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
  if (res.ec != std::errc()) return std::string();
  // buf holds d.ddddddddddddddddde[+-]xx
  std::string mantissa;
  const char* p = buf;
  int exp10 = 0;
  for (; p < res.ptr && *p != 'e'; ++p) {
    if (IsDigit(*p)) mantissa += *p;
  }
  if (p < res.ptr && *p == 'e') {
    ++p;
    std::from_chars(*p == '+' ? p + 1 : p, res.ptr, exp10);
  }
  const int E = exp10 + 1;  // |x| = 0.d1d2... * 10^E
  return RoundAndCompose(x < 0, mantissa, E, digits, maxFixed, separator);
}

}  // namespace

std::string FormatNumber(Extended x, int digits, char separator) {
  if (!std::isfinite(x)) return std::string();
  if (digits < 1) digits = 1;
  if (digits > 18) digits = 18;
  if (std::fabs(x) < std::numeric_limits<Extended>::min()) return "0";
  return Write(x, digits, separator, digits);
}

std::optional<std::string> FitNumberText(std::string_view text, char separator, int maxLength) {
  // Rounded from the text's own digits: expanding the value first and
  // rounding that would round twice (a tail of ...4999... would go up) and
  // below the normal range would show the digits of the value as held.
  const std::optional<DecimalText> d = ReadDecimal(text, separator);
  const std::optional<Extended> value = ParseNumber(text, separator);
  if (!d || !value) return std::nullopt;
  if (d->digits.empty()) return std::string("0");
  const long long E = d->exponent + static_cast<long long>(d->digits.size());  // |x| = 0.d1d2... * 10^E
  const int most = static_cast<int>(std::min<std::size_t>(d->digits.size(), static_cast<std::size_t>(maxLength)));
  for (int digits = most; digits >= 1; --digits) {
    // The general notation, or the scientific one where that keeps more digits.
    std::string general = RoundAndCompose(d->negative, d->digits, E, digits, digits, separator);
    std::string scientific = RoundAndCompose(d->negative, d->digits, E, digits, -4, separator);
    std::string& shorter = scientific.size() < general.size() ? scientific : general;
    if (shorter.size() > static_cast<std::size_t>(maxLength)) continue;
    if (ParseNumber(shorter, separator)) return shorter;
    // Far below the smallest denormal the text reads as 0, but its own
    // digits, moved into the notation, would carry an exponent the syntax
    // refuses: the paste lands as the 0 it is held as.
    return *value == 0 ? std::optional<std::string>("0") : std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> NumberPasteText(std::string_view clip, char separator, int maxLength, int room) {
  const std::string_view line = clip.substr(0, clip.find_first_of("\r\n"));
  if (line.size() <= static_cast<std::size_t>(maxLength)) return std::string(line);
  return FitNumberText(line, separator, room);
}

}  // namespace umrido
