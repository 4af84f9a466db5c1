// The names of the pad keys as written in key sequences, shared by the
// engine and the window tests.
#pragma once

#include <map>
#include <optional>
#include <string_view>

#include "calc_engine.h"

namespace umrido::testing {

// The key named by a face in a sequence: a digit, "," or "." for the
// separator key, or the face below; nullopt for an unknown face.
inline std::optional<CalcKey> KeyForFace(std::string_view face) {
  if (face == "," || face == ".") return CalcKey::SpeedButtonKomma;
  if (face.size() == 1 && face[0] >= '0' && face[0] <= '9') {
    return static_cast<CalcKey>(static_cast<int>(CalcKey::SpeedButtonZiffer0) + (face[0] - '0'));
  }
  static const std::map<std::string_view, CalcKey> kFaces = {
      {"+", CalcKey::SpeedButtonPlus},          {"-", CalcKey::SpeedButtonMinus},
      {"*", CalcKey::SpeedButtonMal},           {"/", CalcKey::SpeedButtonDurch},
      {"xy", CalcKey::SpeedButtonXhochy},       {"yroot", CalcKey::SpeedButtonW_y},
      {"=", CalcKey::SpeedButtonIstGleich},     {"CE", CalcKey::SpeedButtonCE},
      {"Shift", CalcKey::SpeedButtonShift},     {"Hyp", CalcKey::SpeedButtonHyp},
      {"DRG", CalcKey::SpeedButtonDRG},         {"Exp", CalcKey::SpeedButtonExp},
      {"1/x", CalcKey::SpeedButtonX_1},         {"x2", CalcKey::SpeedButtonX_2},
      {"sqrt", CalcKey::SpeedButtonW_2},        {"ln", CalcKey::SpeedButtonLn},
      {"lg", CalcKey::SpeedButtonLg},           {"pi", CalcKey::SpeedButtonPi},
      {"+/-", CalcKey::SpeedButtonPlusMinus},   {"x!", CalcKey::SpeedButtonXFak},
      {"ex", CalcKey::SpeedButtonEhochx},       {"10x", CalcKey::SpeedButton10hochx},
      {"e", CalcKey::SpeedButtonEuler},         {"sin", CalcKey::SpeedButtonSin},
      {"cos", CalcKey::SpeedButtonCos},         {"tan", CalcKey::SpeedButtonTan},
      {"asin", CalcKey::SpeedButtonArcSin},     {"acos", CalcKey::SpeedButtonArcCos},
      {"atan", CalcKey::SpeedButtonArcTan},     {"sinh", CalcKey::SpeedButtonHypSin},
      {"cosh", CalcKey::SpeedButtonHypCos},     {"tanh", CalcKey::SpeedButtonHypTan},
      {"asinh", CalcKey::SpeedButtonHypArcSin}, {"acosh", CalcKey::SpeedButtonHypArcCos},
      {"atanh", CalcKey::SpeedButtonHypArcTan}, {"M+", CalcKey::SpeedButtonMplus},
      {"M-", CalcKey::SpeedButtonMminus},       {"MR", CalcKey::SpeedButtonMR},
      {"MC", CalcKey::SpeedButtonMC},           {"Paste", CalcKey::SpeedButtonInsertCalc},
      {"Copy", CalcKey::SpeedButtonCopyCalc},
  };
  const auto it = kFaces.find(face);
  if (it == kFaces.end()) return std::nullopt;
  return it->second;
}

}  // namespace umrido::testing
