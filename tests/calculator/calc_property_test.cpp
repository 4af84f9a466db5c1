// Random key and typing sequences: whatever happens, the display holds a
// number, an intermediate typing state or a failure text, never a NaN, an
// infinity or an empty exponent written by a key.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <random>
#include <string>

#include "calc_test_util.h"

namespace umrido::testing {
namespace {

const char* const kClips[] = {"12,5",
                              "12.5",
                              "-0,001",
                              "1E4932",
                              "-1,18E4932",
                              "1E-4950",
                              "9,999999999E4931",
                              "3",
                              " 7 ",
                              "1E",
                              "-",
                              "",
                              "abc",
                              "nan",
                              "inf",
                              "2147483647",
                              "1750",
                              "1E5000",
                              "1,7976931348623157E308",
                              "4,9E-324",
                              "0,5",
                              "-1",
                              "1"};
const char kTyped[] = "0123456789,.-eE+a *";

bool WrittenByComputation(CalcKey key) {
  switch (InfoOf(key).group) {
    case CalcKeyGroup::kBinary:
    case CalcKeyGroup::kOneOperand:
    case CalcKeyGroup::kTrig:
    case CalcKeyGroup::kExponent:
    case CalcKeyGroup::kClear:
      return true;
    default:
      return key == CalcKey::SpeedButtonMR;
  }
}

void CheckDisplay(const Calculator& calc, const std::string& step) {
  const std::string& text = calc.Display().Text();
  if (IsFailureText(text)) return;
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  ASSERT_EQ(lower.find("nan"), std::string::npos) << step << ": " << text;
  ASSERT_EQ(lower.find("inf"), std::string::npos) << step << ": " << text;
  ASSERT_TRUE(text.empty() || text == "-" || ParseNumber(text, calc.Separator()).has_value()) << step << ": " << text;
  const CalcState& s = calc.State();
  ASSERT_GE(s.PendingOp, kOpNone);
  ASSERT_LE(s.PendingOp, kOpRoot);
  ASSERT_TRUE(std::isfinite(s.Accumulator)) << step;
  ASSERT_TRUE(std::isfinite(s.CalcMemory)) << step;
  ASSERT_GE(s.AngleMode, kAngleDeg);
  ASSERT_LE(s.AngleMode, kAngleGrad);
}

class RandomSequences : public ::testing::TestWithParam<bool> {};

TEST_P(RandomSequences, DisplayStaysReadable) {
  std::mt19937 rng(20240611u);
  std::uniform_int_distribution<int> action(0, 99);
  std::uniform_int_distribution<int> anyKey(0, kCalcKeyCount - 1);
  std::uniform_int_distribution<int> digit(0, 10);
  std::uniform_int_distribution<int> typed(0, static_cast<int>(sizeof kTyped) - 2);
  std::uniform_int_distribution<int> clip(0, static_cast<int>(std::size(kClips)) - 1);
  std::uniform_int_distribution<int> position(0, 20);

  Pocket p(GetParam());
  for (int i = 0; i < 20000; ++i) {
    const int a = action(rng);
    std::string step = "step " + std::to_string(i) + " ";
    if (a < 30) {
      const auto key = static_cast<CalcKey>(digit(rng));  // digits and the separator key
      p.calc.Press(key, p.clipboard);
      step += InfoOf(key).name;
    } else if (a < 60) {
      const auto key = static_cast<CalcKey>(anyKey(rng));
      if (key == CalcKey::SpeedButtonInsertCalc) p.clipboard.content = kClips[clip(rng)];
      p.calc.Press(key, p.clipboard);
      step += InfoOf(key).name;
      if (WrittenByComputation(key) && !IsFailureText(p.Text())) {
        ASSERT_FALSE(!p.Text().empty() && p.Text().back() == 'E') << step << ": " << p.Text();
      }
    } else if (a < 88) {
      const char c = kTyped[typed(rng)];
      p.calc.EditCalcKeyPress(static_cast<unsigned char>(c));
      p.calc.EditCalcKeyUp();
      step += std::string("typed ") + c;
    } else if (a < 91) {
      p.calc.EditCalcKeyPress(kBackspace);
      p.calc.EditCalcKeyUp();
      step += "backspace";
    } else if (a < 93) {
      p.calc.EditCalcDelete();
      p.calc.EditCalcKeyUp();
      step += "delete";
    } else if (a < 95) {
      p.calc.DisplayClicked(position(rng));
      step += "click";
    } else if (a < 97) {
      p.calc.DisplaySelectionChanged(position(rng), position(rng));
      step += "select";
    } else if (a < 98) {
      p.calc.DisplayFocusLost();
      step += "blur";
    } else {
      p.calc.SetLanguage(!p.calc.German());
      step += "language";
    }
    CheckDisplay(p.calc, step);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, RandomSequences, ::testing::Bool());

}  // namespace
}  // namespace umrido::testing
