// Key sequences on the pad and the keyboard, each run with both separators.
#include <cstring>
#include <optional>
#include <string>
#include <tuple>

#include "calc_test_util.h"

namespace umrido::testing {
namespace {

constexpr const char* kErr = "Error => press CE !";

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
  if (LacksTheWideRange(c.sequence) || LacksTheWideRange(c.display)) GTEST_SKIP() << "needs the 80-bit range";
  Pocket p(point);
  p.clipboard.content = c.clip ? std::optional<std::string>(point ? WithPoint(c.clip) : c.clip) : std::nullopt;
  p.Run(point ? WithPoint(c.sequence) : c.sequence);
  EXPECT_EQ(p.Text(), point ? WithPoint(c.display) : c.display);
  // Copy takes whatever stands, a failure text too.
  if (std::strstr(c.sequence, "Copy") != nullptr) {
    EXPECT_EQ(p.clipboard.content, p.Text());
  }
  if (c.selStart >= 0) {
    EXPECT_EQ(p.calc.Display().SelStart(), c.selStart);
    EXPECT_EQ(p.calc.Display().SelLength(), c.selLength);
    EXPECT_TRUE(p.calc.Display().HasFocus());
  }
}

const SequenceCase kEntryAndChaining[] = {
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
    {"5 / =", kErr},
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
};
INSTANTIATE_TEST_SUITE_P(EntryAndChaining, Sequence,
                         ::testing::Combine(::testing::ValuesIn(kEntryAndChaining), ::testing::Bool()));

// The failures of single functions are in kFailureCases.
const SequenceCase kFunctions[] = {
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
};
INSTANTIATE_TEST_SUITE_P(Functions, Sequence, ::testing::Combine(::testing::ValuesIn(kFunctions), ::testing::Bool()));

const SequenceCase kMemory[] = {
    {"5 M+ CE 3 M+ MR M- MR", "0"},
    {"5 M+ MC MR", "0"},
    {"3 M+ CE 4 + MR 5", "5"},
    {"'9E4931 M+ M+ CE MR", "9E4931"},  // an overflowing M+ leaves the memory
};
INSTANTIATE_TEST_SUITE_P(Memory, Sequence, ::testing::Combine(::testing::ValuesIn(kMemory), ::testing::Bool()));

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
  if (LacksTheWideRange(c.setup)) GTEST_SKIP() << "needs the 80-bit range";
  Pocket p(false, german);
  p.clipboard.content = "abc";
  p.Run("7 +");
  p.Run(c.setup);
  const CalcState before = p.calc.State();
  p.Run(c.key);
  const CalcState& after = p.calc.State();
  EXPECT_EQ(p.Text(), kFailureTexts[static_cast<int>(c.failure)][german]);
  EXPECT_TRUE(IsFailureText(p.Text()));
  EXPECT_EQ(after.PendingOp, c.resetsOperation ? kOpNone : before.PendingOp);
  EXPECT_EQ(after.Accumulator, c.resetsOperation ? 0 : before.Accumulator);
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

constexpr const char* kInsertErr = "Insert-Error => press CE!";
const SequenceCase kClipboard[] = {
    // Longer than the display: a number is rounded to fit, never cut.
    {"Paste", "1,23456789012E19", "12345678901234567890"},
    {"Paste", kInsertErr, ""},
    {"Paste", kInsertErr, nullptr},
    {"Paste", kInsertErr, "1E5000"},
};
INSTANTIATE_TEST_SUITE_P(Clipboard, Sequence, ::testing::Combine(::testing::ValuesIn(kClipboard), ::testing::Bool()));

// Focus from another control selects everything; a click places the caret;
// a digit always goes to the end, a typed character to the caret.
const SequenceCase kFocus[] = {
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
INSTANTIATE_TEST_SUITE_P(Focus, Sequence, ::testing::Combine(::testing::ValuesIn(kFocus), ::testing::Bool()));

}  // namespace
}  // namespace umrido::testing
