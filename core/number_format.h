// The one number syntax every field reads and the one general format every
// result is written in. Both take the decimal separator as a parameter, so the
// caller decides which separator is in force; nothing here reads the locale.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace umrido {

// The widest floating type of the platform: 80-bit extended with GCC or Clang
// on x86 (MinGW-w64 on Windows). The eight digits of a conversion survive in
// a double, but the calculator's fifteen digits, the results near the ends
// of the range and the exact zeros of Temperature rely on the 64-bit mantissa.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits >= 64,
              "Umrido needs long double to be the x87 80-bit extended type (64-bit mantissa): build with GCC or Clang, "
              "on Windows with MinGW-w64; MSVC's long double is a plain double");

// A number text's own decimal digits, as it was written: the value is
// digits * 10^exponent (digits without leading zeros; empty for zero).
struct DecimalText {
  bool negative = false;
  std::string digits;
  long long exponent = 0;
};

// The digits of a number text in the syntax of ParseNumber; nullopt where
// ParseNumber fails for the syntax (not for the range).
std::optional<DecimalText> ReadDecimal(std::string_view text, char separator);

// The separator character for the `DecimalIsPoint` flag.
constexpr char SeparatorChar(bool decimalIsPoint) { return decimalIsPoint ? '.' : ','; }

// Reads a number text: blanks, an optional sign, digits with an optional
// `separator` and fraction (at least one digit or the separator), an optional
// exponent ("E"/"e", optional sign, digits; no digits reads as 0; digits are
// taken while the exponent is below 500, a further digit fails), blanks.
// Anything else fails. Computed in Extended and correctly rounded; a value
// beyond the Extended range fails, a value too small reads as the nearest
// representable one (possibly 0). Returns nullopt on failure.
std::optional<Extended> ParseNumber(std::string_view text, char separator);

// Whether `platformSeparator` is not the comma, found the way the program has
// always found it: by trying to read "1,1" with it.
bool DetectDecimalIsPoint(char platformSeparator);

// The general notation with `digits` significant digits (1 to 18): |x| is
// expanded to 18 digits, then rounded half-up to `digits`, trailing zeros are
// dropped; fixed notation for -3 <= E <= digits (|x| = 0.d1d2... * 10^E),
// otherwise d1[sep rest]E[-]exp. Zero and values below the normal range of
// Extended give "0", never "-0". A NaN or infinity gives the empty string,
// which no caller may show: check finiteness first.
std::string FormatNumber(Extended x, int digits, char separator);

// The shortest text of at most `maxLength` characters for `text` rounded
// once, half-up from its own decimal digits, to as many significant digits as
// fit (general or scientific notation, exponent kept, also below the normal
// range). nullopt when `text` does not read as a number or no digit fits.
std::optional<std::string> FitNumberText(std::string_view text, char separator, int maxLength);

// What a paste puts into a number field of `maxLength` characters with `room`
// of them free: `clip` up to its first line break, for the field's own cut and
// check. A longer line that reads as a number becomes its value rounded to fit
// `room` (FitNumberText); one that does not read gives nullopt, the failure of
// the paste, so that no cut-off part of it can pass for a number.
std::optional<std::string> NumberPasteText(std::string_view clip, char separator, int maxLength, int room);

// The converter's result format: FormatNumber with 8 digits. Never longer than
// 16 characters (-1,2345678E-4932 is the longest).
inline std::string FormatResult(Extended x, char separator) { return FormatNumber(x, 8, separator); }

}  // namespace umrido
