// The pad as data (placement, the key layers, the indicator bands) and key
// sequences on the pad and the keyboard, each run with both separators.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "calc_engine.h"
#include "calc_faces.h"
#include "fake_clipboard.h"

namespace umrido::testing {
namespace {

using K = CalcKey;

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

// Every position of the 7 x 5 pad holds exactly one key on top, whatever the
// layer flags; stacked keys share a position only with their own cell. Under
// HYP the trigonometric keys turn hyperbolic; Shift adds the inverse and turns
// 1/x into x!.
TEST(PadLayout, EachPositionShowsOneKeyOfItsLayer) {
  const int cells[] = {0, 6, 7, 8};
  // Indexed by the layer (none, Shift, HYP, both), then as cells[].
  const CalcKey onTopOfCells[4][4] = {
      {K::SpeedButtonX_1, K::SpeedButtonSin, K::SpeedButtonCos, K::SpeedButtonTan},
      {K::SpeedButtonXFak, K::SpeedButtonArcSin, K::SpeedButtonArcCos, K::SpeedButtonArcTan},
      {K::SpeedButtonX_1, K::SpeedButtonHypSin, K::SpeedButtonHypCos, K::SpeedButtonHypTan},
      {K::SpeedButtonXFak, K::SpeedButtonHypArcSin, K::SpeedButtonHypArcCos, K::SpeedButtonHypArcTan}};
  for (int layer = 0; layer < 4; ++layer) {
    const bool shift = (layer & 1) != 0;
    const bool hyp = (layer & 2) != 0;
    int onTop[7][5] = {};
    for (const CalcKeyInfo& info : CalcKeys()) {
      if (info.row < 0) continue;
      ASSERT_LT(info.row, 7);
      ASSERT_LT(info.column, 5);
      if (IsKeyOnTop(info.key, shift, hyp)) ++onTop[info.row][info.column];
    }
    for (int r = 0; r < 7; ++r) {
      for (int c = 0; c < 5; ++c) EXPECT_EQ(onTop[r][c], 1) << "row " << r << " column " << c << " layer " << layer;
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(KeyOnTop(cells[i], shift, hyp), onTopOfCells[layer][i]) << "layer " << layer;
  }
  EXPECT_EQ(InfoOf(K::SpeedButtonZiffer7).row, 3);
  EXPECT_EQ(kPadRowTop[static_cast<std::size_t>(InfoOf(K::SpeedButtonIstGleich).row)], 306);
}

TEST(Indicators, ShiftTogglesAndDrgCyclesAndBadAngleModesFallBackToDegrees) {
  Pocket p;
  for (int top : {-7, 2}) {
    p.Run("Shift");
    EXPECT_EQ(ImageShiftTop(p.calc.State().ShiftOn), top);
  }
  for (int top : {-7, -16, 2}) {
    p.Run("DRG");
    EXPECT_EQ(ImageDRGTop(p.calc.State().AngleMode), top);
  }
  EXPECT_EQ(p.calc.State().AngleMode, kAngleDeg);
  for (int stored : {-1, 3, 7, kAngleGrad}) {
    p.calc.SetAngleMode(stored);
    EXPECT_EQ(p.calc.State().AngleMode, stored == kAngleGrad ? kAngleGrad : kAngleDeg);
    p.Run(stored == kAngleGrad ? "CE 100 sin" : "CE 90 sin");
    EXPECT_EQ(p.Text(), "1");
  }
}

constexpr const char* kErr = "Error => press CE !";
constexpr const char* kInsertErr = "Insert-Error => press CE!";

struct SequenceCase {
  const char* sequence;   // separators written as commas
  const char* display;    // with the comma as separator
  const char* clip = "";  // the clipboard's text; nullptr where it cannot be read
  int selStart = -1;      // the selection afterwards, if checked
  int selLength = -1;
};

std::ostream& operator<<(std::ostream& os, const SequenceCase& c) { return os << '"' << c.sequence << '"'; }

class Sequence : public ::testing::TestWithParam<std::tuple<SequenceCase, bool>> {};

TEST_P(Sequence, ShowsExpectedDisplay) {
  const auto& [c, point] = GetParam();
  Pocket p(point);
  const std::optional<std::string> clip =
      c.clip ? std::optional<std::string>(point ? WithPoint(c.clip) : c.clip) : std::nullopt;
  p.clipboard.content = clip;
  p.Run(point ? WithPoint(c.sequence) : c.sequence);
  EXPECT_EQ(p.Text(), point ? WithPoint(c.display) : c.display);
  // Copy takes whatever stands, a failure text too; no other key writes the clipboard.
  EXPECT_EQ(p.clipboard.content, std::strstr(c.sequence, "Copy") != nullptr ? p.Text() : clip);
  if (c.selStart >= 0) {
    EXPECT_EQ(p.calc.Display().SelStart(), c.selStart);
    EXPECT_EQ(p.calc.Display().SelLength(), c.selLength);
    EXPECT_TRUE(p.calc.Display().HasFocus());
  }
}

// The failures of single functions are in kFailureCases.
const SequenceCase kSequences[] = {
    // Entry and chaining.
    {"5 - 3 =", "2"},
    {"6 * 3 =", "18"},
    {"7 xy 1 =", "7"},
    {"0 xy 0,5 =", "0"},
    {"5 * CE 3 =", "3"},
    {"12 <BS> <BS> +/-", "0"},  // an empty display counts as 0
    {"2 * + 3 =", "3"},
    {"2 / 3 =", "0,666666666666667"},
    {"10 xy 14 =", "100000000000000"},
    {"10 xy 15 =", "1E15"},
    {"16 yroot 0,5 =", "256"},
    {"'-2 xy 3 =", "-8"},
    {"'-8 yroot 3 =", kErr},
    {"2 xy 10 =", "1024"},
    {"27 yroot 3 =", "3"},
    {"'1,00000519495 xy 2134182068 =", "9,93137023450782E4814"},  // not ...516877E4814
    {"'8,383975E4788 yroot 0,971 =", "8,91250884510602E4931"},    // not the power 1 / 0,971 rounded
    {"10 xy 5000 =", kErr},
    {"5 + 3 = '+ + 4 =", "4"},
    {"1,5,", "1,5"},
    {"'5-", "5"},
    {"'1.5,3", "1,53"},  // the point key types the separator too
    {"'1E5 ,", "1E5"},   // the pad never writes an unreadable text
    {"5 / = '3", "3"},   // the failed key left the new entry pending
    // Functions.
    {"1 asin", "90"},
    {"0,5 acos", "60"},
    {"1 acosh", "0"},
    {"1 sinh", "1,1752011936438"},
    {"0 sqrt", "0"},
    {"3 10x", "1000"},
    {"5 x!", "120"},
    {"1750 x!", "2,09831898264838E4917"},  // the largest factorial within the range
    {"0 x!", "1"},
    {"1 acos", "0"},
    {"'-1 acos", "180"},
    {"2147483648 x!", kErr},
    {"123456785 Exp", "1,2345679E+8"},  // half-up
    {"'-12345 Exp Exp", "-1,2345000E+4"},
    {"3 1/x Exp", "3,3333333E-1"},
    {"0 Exp", "0,0000000E+0"},
    {"99999999,7 Exp", "1,0000000E+8"},
    {"'1E5 +/-", "-100000"},
    {"pi", "3,14159265358979"},
    {"e", "2,71828182845905"},
    // Quarter turns are exact in degrees and grads; the tangent's poles fail.
    {"'-90 sin", "-1"},
    {"'-90 tan", kErr},
    {"DRG DRG 50 tan", "1"},
    // The memory.
    {"5 M+ CE 3 M+ MR M- MR", "0"},
    {"5 M+ MC MR", "0"},
    {"3 M+ CE 4 + MR 5", "5"},
    {"'9E4931 M+ M+ CE MR", "9E4931"},  // an overflowing M+ leaves the memory
    // The clipboard: a number longer than the display is rounded to fit, never cut.
    {"Paste", "1,23456789012E19", "12345678901234567890"},
    {"Paste", kInsertErr, ""},
    {"Paste", kInsertErr, nullptr},
    {"Paste", kInsertErr, "1E5000"},
    // Focus from another control selects everything; a click places the caret;
    // a digit always goes to the end, a typed character to the caret.
    {"123 <BLUR> 4", "4", "", 1, 0},
    {"123 <BLUR> <FOCUS>", "123", "", 0, 3},
    {"123 <BLUR> 7 sqrt", "2,64575131106459", "", 16, 0},
    {"'1E5 <CLICK0> <DEL>", "1E", "", 2, 0},
    {"'123 <CLICK1> <DEL>", "13", "", 1, 0},
    {"'1,5 <SEL1:1> ,", "1,5", "", 1, 1},  // a separator stands: the key does nothing
    {"'5 <CLICK0> 'E", "5", "", 0, 0},     // the release undoes "E5", caret included
    {"12 <BS> <BS>", "", "", 0, 0},
    {"'1,5 <SEL0:3> ',", "1,5", "", 0, 3},
    {"5 +", "0", "", 0, 1},
    {"123 Copy", "123", "", 0, 3},
    {"123 / = Copy", kErr, "", 0, 19},
    {"1 <CLICK0> sqrt", "1", "", 1, 0},  // an unchanged result still takes the caret to its end
};
INSTANTIATE_TEST_SUITE_P(Keys, Sequence, ::testing::Combine(::testing::ValuesIn(kSequences), ::testing::Bool()));

struct FailureCase {
  const char* setup;  // run after "7 +"
  const char* key;
  CalcFailure failure;
  bool resetsOperation;
};

std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.setup << " then " << c.key; }

// Indexed by CalcFailure: English, German.
constexpr const char* kFailureTexts[][2] = {
    {"Error => press CE !", "Fehler => CE drücken !"},
    {"Overflow => press CE!", "Überlauf => CE drücken!"},
    {"Error press CE!", "Fehler => CE drücken!"},
    {"Error. Press CE!", "Fehler !"},
    {"Memory error !", "Speicherfehler !"},
    {"Insert-Error => press CE!", "Input-Fehler => CE drücken!"},
};

class Failures : public ::testing::TestWithParam<std::tuple<FailureCase, bool>> {};

TEST_P(Failures, TextAndSideEffects) {
  const auto& [c, german] = GetParam();
  Pocket p(false, german);
  p.clipboard.content = "abc";
  p.Run(std::string("7 + ") + c.setup);
  const CalcState before = p.calc.State();
  p.Run(c.key);
  EXPECT_EQ(p.Text(), kFailureTexts[static_cast<int>(c.failure)][german]);
  EXPECT_TRUE(IsFailureText(p.Text()));
  EXPECT_EQ(p.calc.State().PendingOp, c.resetsOperation ? kOpNone : before.PendingOp);
  EXPECT_EQ(p.calc.State().Accumulator, c.resetsOperation ? 0 : before.Accumulator);
  EXPECT_TRUE(p.calc.Display().HasFocus());
  EXPECT_EQ(p.calc.Display().SelStart(), p.calc.Display().Length());
  EXPECT_EQ(p.calc.Display().SelLength(), 0);
  // The language counts when a text is written: a standing one stays.
  p.calc.SetLanguage(!german);
  EXPECT_EQ(p.Text(), kFailureTexts[static_cast<int>(c.failure)][german]);
  p.Run("Exp");
  EXPECT_EQ(p.Text(), kFailureTexts[static_cast<int>(CalcFailure::kExponentForm)][!german]);
}

const FailureCase kFailureCases[] = {
    {"/", "=", CalcFailure::kCompute, true},
    {"1751", "x!", CalcFailure::kFactorialOverflow, true},
    {"'-3", "x!", CalcFailure::kFactorialNegative, true},
    {"Paste", "MR", CalcFailure::kMemory, true},
    {"Paste", "Exp", CalcFailure::kExponentForm, false},
    {"", "Paste", CalcFailure::kInsert, false},
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Failures,
                         ::testing::Combine(::testing::ValuesIn(kFailureCases), ::testing::Bool()));

}  // namespace
}  // namespace umrido::testing
