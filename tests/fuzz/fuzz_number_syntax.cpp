// Any byte string into the number syntax. Whatever reads as a number must
// come back out of the result format, and out of the rounding of a long paste,
// as a text of at most 16 characters that reads again as (nearly) the same
// number, with either separator.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "number_format.h"

namespace {

void Check(std::string_view text, char separator) {
  using namespace umrido;
  const auto value = ParseNumber(text, separator);
  if (!value) return;
  if (!std::isfinite(*value)) std::abort();
  // Below the normal range the result format writes 0.
  const bool tiny = std::fabs(*value) < std::numeric_limits<Extended>::min();
  for (int digits : {8, 15}) {
    const std::string out = FormatNumber(*value, digits, separator);
    if (digits == 8 && out.size() > 16) std::abort();
    const auto back = ParseNumber(out, separator);
    if (!back || (tiny && *back != 0)) std::abort();
    if (!tiny && !(std::fabs((*back - *value) / *value) <= (digits == 8 ? 5.1e-8L : 5.1e-15L))) std::abort();
  }
  // A long paste is rounded to 16 characters (at least 8 digits), never cut.
  const auto fitted = FitNumberText(text, separator, 16);
  const auto back = fitted ? ParseNumber(*fitted, separator) : std::nullopt;
  if (!back || fitted->size() > 16) std::abort();
  if (!tiny && !(std::fabs(*back - *value) <= std::fabs(*value) * 5.1e-8L)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text, ',');
  Check(text, '.');
  return 0;
}
