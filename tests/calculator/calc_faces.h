// The names of the pad keys as written in key sequences, shared by the
// engine and the window tests.
#pragma once

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "calc_engine.h"

namespace umrido::testing {

// The key named by a face in a sequence: a digit, "," or "." for the
// separator key, or the face below; nullopt for an unknown face.
inline std::optional<CalcKey> KeyForFace(std::string_view face) {
  // In the order of CalcKey.
  static constexpr std::string_view kFaces[] = {
      "0",    "1",    "2",    "3",     "4",     "5",     "6",     "7",   "8",   "9",   ",",   "+",     "-",
      "*",    "/",    "xy",   "yroot", "=",     "CE",    "Shift", "Hyp", "DRG", "Exp", "1/x", "x2",    "sqrt",
      "ln",   "lg",   "pi",   "+/-",   "x!",    "ex",    "10x",   "e",   "sin", "cos", "tan", "asin",  "acos",
      "atan", "sinh", "cosh", "tanh",  "asinh", "acosh", "atanh", "M+",  "M-",  "MR",  "MC",  "Paste", "Copy"};
  static_assert(std::size(kFaces) == kCalcKeyCount);
  const auto* it = std::find(std::begin(kFaces), std::end(kFaces), face == "." ? "," : face);
  if (it == std::end(kFaces)) return std::nullopt;
  return static_cast<CalcKey>(it - std::begin(kFaces));
}

}  // namespace umrido::testing
