// Drives the calculator with key sequences written the way a user reads the
// pad, so that the tables in the tests stay close to what is pressed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "calc_engine.h"

namespace umrido::testing {

// A clipboard that holds one text, or cannot be read at all (nullopt).
class FakeClipboard : public Clipboard {
 public:
  std::optional<std::string> content = std::string();
  std::optional<std::string> ReadText() override { return content; }
  bool WriteText(std::string_view text) override {
    content = std::string(text);
    return true;
  }
};

// The key named by a face in a sequence; nullopt for an unknown face.
inline std::optional<CalcKey> KeyForFace(std::string_view face) {
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

// A calculator with its clipboard, as the window holds them.
struct Pocket {
  // Starts from the display after CE, unless `fresh` asks for the state at
  // start-up (display "0" without the focus).
  explicit Pocket(bool point = false, bool german = false, bool fresh = false) : calc(point, german) {
    if (!fresh) calc.Press(CalcKey::SpeedButtonCE, clipboard);
  }

  // Runs a blank-separated sequence. A token of digits and separators presses
  // those pad keys one by one ("," and "." both mean the separator key); a
  // token starting with ' types the rest into the display, each character
  // followed by its key release; "<BS>" types a backspace and "<DEL>" presses
  // Delete; "<FOCUS>", "<BLUR>", "<CLICKn>" and "<SELs:l>" report focus,
  // focus loss, a click at caret n and a selection; any other token is a key
  // face (see KeyForFace).
  void Run(std::string_view sequence) {
    std::size_t i = 0;
    while (i < sequence.size()) {
      const std::size_t end = std::min(sequence.find(' ', i), sequence.size());
      Token(sequence.substr(i, end - i));
      i = end + 1;
    }
  }

  void Token(std::string_view t) {
    if (t.empty()) return;
    if (t == "<BS>" || t == "<DEL>") {
      if (t == "<BS>") calc.EditCalcKeyPress(kBackspace);
      if (t == "<DEL>") calc.EditCalcDelete();
      calc.EditCalcKeyUp();
      return;
    }
    if (t == "<FOCUS>") return calc.DisplayFocusFromOtherControl();
    if (t == "<BLUR>") return calc.DisplayFocusLost();
    if (t.substr(0, 6) == "<CLICK") return calc.DisplayClicked(std::stoi(std::string(t.substr(6))));
    if (t.substr(0, 4) == "<SEL") {
      const std::string numbers(t.substr(4));
      const std::size_t colon = numbers.find(':');
      return calc.DisplaySelectionChanged(std::stoi(numbers.substr(0, colon)), std::stoi(numbers.substr(colon + 1)));
    }
    if (t[0] == '\'') {
      for (char c : t.substr(1)) {
        calc.EditCalcKeyPress(static_cast<unsigned char>(c));
        calc.EditCalcKeyUp();
      }
      return;
    }
    if (t.find_first_not_of("0123456789,.") == std::string_view::npos) {
      for (char c : t) {
        calc.Press(c == ',' || c == '.'
                       ? CalcKey::SpeedButtonKomma
                       : static_cast<CalcKey>(static_cast<int>(CalcKey::SpeedButtonZiffer0) + (c - '0')),
                   clipboard);
      }
      return;
    }
    const std::optional<CalcKey> key = KeyForFace(t);
    ASSERT_TRUE(key.has_value()) << "unknown face " << t;
    calc.Press(*key, clipboard);
  }

  const std::string& Text() const { return calc.Display().Text(); }

  Calculator calc;
  FakeClipboard clipboard;
};

// Whether `sequence` types a number beyond the range of a plain double, so the
// case needs the 80-bit Extended (not available with MSVC).
inline bool NeedsWideRange(std::string_view sequence) {
  for (std::size_t e = sequence.find('E'); e != std::string_view::npos; e = sequence.find('E', e + 1)) {
    std::size_t i = e + 1;
    int exponent = 0;
    while (i < sequence.size() && sequence[i] >= '0' && sequence[i] <= '9' && exponent < 10000) {
      exponent = exponent * 10 + (sequence[i++] - '0');
    }
    if (exponent > std::numeric_limits<double>::max_exponent10) return true;
  }
  return false;
}

inline bool HasWideRange() {
  return std::numeric_limits<Extended>::max_exponent10 > std::numeric_limits<double>::max_exponent10;
}

// `s` with every comma turned into a point: the same case for the other
// separator.
inline std::string WithPoint(std::string s) {
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

}  // namespace umrido::testing
