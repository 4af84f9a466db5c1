// Drives the calculator with key sequences written the way a user reads the
// pad, so that the tables in the tests stay close to what is pressed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "calc_engine.h"
#include "calc_faces.h"
#include "fake_clipboard.h"

namespace umrido::testing {

// A calculator with its clipboard, as the window holds them.
struct Pocket {
  // Starts from the display after CE.
  explicit Pocket(bool point = false, bool german = false) : calc(point, german) {
    calc.Press(CalcKey::SpeedButtonCE, clipboard);
  }

  // Runs a blank-separated sequence. A token starting with ' types the rest
  // into the display, each character followed by its key release; "<BS>"
  // types a backspace and "<DEL>" presses Delete; "<FOCUS>", "<BLUR>",
  // "<CLICKn>" and "<SELs:l>" report focus, focus loss, a click at caret n and
  // a selection; any other token is a key face (see KeyForFace) or a run of
  // digits and separators pressed one by one ("," and "." both mean the
  // separator key).
  void Run(const std::string& sequence) {
    std::istringstream tokens(sequence);
    for (std::string t; tokens >> t;) Token(t);
  }

  void Token(const std::string& t) {
    if (t == "<BS>") calc.EditCalcKeyPress(kBackspace);
    if (t == "<DEL>") calc.EditCalcDelete();
    if (t == "<BS>" || t == "<DEL>") return calc.EditCalcKeyUp();
    if (t == "<FOCUS>") return calc.DisplayFocusFromOtherControl();
    if (t == "<BLUR>") return calc.DisplayFocusLost();
    // std::stoi stops at the ':' or '>' after the number.
    if (t.rfind("<CLICK", 0) == 0) return calc.DisplayClicked(std::stoi(t.substr(6)));
    if (t.rfind("<SEL", 0) == 0) {
      return calc.DisplaySelectionChanged(std::stoi(t.substr(4)), std::stoi(t.substr(t.find(':') + 1)));
    }
    if (t[0] == '\'') {
      for (char c : t.substr(1)) {
        calc.EditCalcKeyPress(static_cast<unsigned char>(c));
        calc.EditCalcKeyUp();
      }
      return;
    }
    if (const std::optional<CalcKey> key = KeyForFace(t)) return calc.Press(*key, clipboard);
    ASSERT_EQ(t.find_first_not_of("0123456789,."), std::string::npos) << "unknown face " << t;
    for (char digit : t) Token(std::string(1, digit));
  }

  const std::string& Text() const { return calc.Display().Text(); }

  Calculator calc;
  FakeClipboard clipboard;
};

// Whether `sequence` types a number beyond the range of a plain double while
// Extended is one (MSVC has no 80-bit type), so the case must be skipped.
inline bool LacksTheWideRange(std::string_view sequence) {
  constexpr int kDouble = std::numeric_limits<double>::max_exponent10;
  if (std::numeric_limits<Extended>::max_exponent10 > kDouble) return false;
  for (std::size_t e = sequence.find('E'); e != std::string_view::npos; e = sequence.find('E', e + 1)) {
    if (std::strtol(std::string(sequence.substr(e + 1)).c_str(), nullptr, 10) > kDouble) return true;
  }
  return false;
}

}  // namespace umrido::testing
