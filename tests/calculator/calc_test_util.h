// Drives the calculator with key sequences written the way a user reads the
// pad, so that the tables in the tests stay close to what is pressed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc_engine.h"
#include "calc_faces.h"
#include "fake_clipboard.h"

namespace umrido::testing {

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
    if (t == "<BS>") calc.EditCalcKeyPress(kBackspace);
    if (t == "<DEL>") calc.EditCalcDelete();
    if (t == "<BS>" || t == "<DEL>") return calc.EditCalcKeyUp();
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
      for (std::size_t k = 0; k < t.size(); ++k) calc.Press(*KeyForFace(t.substr(k, 1)), clipboard);
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
