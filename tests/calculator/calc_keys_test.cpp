// Key sequences on the pad and the keyboard, each run with both separators.
#include <limits>
#include <string>
#include <tuple>

#include "calc_test_util.h"

namespace umrido::testing {
namespace {

constexpr const char* kErr = "Error => press CE !";

constexpr const char* kUnreadable = "<unreadable>";

struct SequenceCase {
  const char* sequence;   // separators written as commas
  const char* display;    // with the comma as separator
  const char* clip = "";  // the clipboard's text, or kUnreadable
  int selStart = -1;      // the selection afterwards, if checked
  int selLength = -1;
};

std::ostream& operator<<(std::ostream& os, const SequenceCase& c) { return os << '"' << c.sequence << '"'; }

class Sequence : public ::testing::TestWithParam<std::tuple<SequenceCase, bool>> {};

TEST_P(Sequence, ShowsExpectedDisplay) {
  const auto& [c, point] = GetParam();
  if (NeedsWideRange(c.sequence) && !HasWideRange()) GTEST_SKIP() << "needs the 80-bit range";
  Pocket p(point);
  if (c.clip == std::string_view(kUnreadable)) {
    p.clipboard.content = std::nullopt;
  } else {
    p.clipboard.content = point ? WithPoint(c.clip) : c.clip;
  }
  p.Run(point ? WithPoint(c.sequence) : c.sequence);
  EXPECT_EQ(p.Text(), point ? WithPoint(c.display) : c.display);
  if (c.selStart >= 0) {
    EXPECT_EQ(p.calc.Display().SelStart(), c.selStart);
    EXPECT_EQ(p.calc.Display().SelLength(), c.selLength);
    EXPECT_TRUE(p.calc.Display().HasFocus());
  }
}

const SequenceCase kEntryAndChaining[] = {
    {"5 + 3 =", "8"},
    {"5 - 3 =", "2"},
    {"5 * CE 3 =", "3"},
    {"12 <BS> <BS> +/-", "0"},  // an empty display counts as 0    // CE also drops the pending operation
    {"2 + 3 * 4 =", "20"},      // strictly left to right
    {"2 * + 3 =", "3"},
    {"0,1 + 0,2 =", "0,3"},
    {"2 / 3 =", "0,666666666666667"},
    {"10 xy 14 =", "100000000000000"},
    {"10 xy 15 =", "1E15"},
    {"5 / =", kErr},
    {"0 / 0 =", kErr},
    {"27 yroot 3 =", "3"},
    {"16 yroot 0,5 =", "256"},
    {"'-2 xy 3 =", "-8"},
    {"'-8 yroot 3 =", kErr},
    {"0 xy '-1 =", kErr},
    {"10 xy 5000 =", kErr},
    {"10 xy '-5000 =", "0"},  // underflow is no failure
    {"'1E4000 * '1E4000 =", kErr},
    {"=", "0"},
    {"7 = =", "7"},
    {"'007 =", "7"},
    {"5 + 3 = '+", ""},
    {"5 + 3 = '+ + 4 =", "4"},
    {"1,5,", "1,5"},
    {"1 / 2 = ,", ","},
    {"'5-", "5"},
    {"'-5", "-5"},
    {"0 5", "05"},  // leading zeros stay, whichever the separator
    {"'1,5,3", "1,53"},
    {"'1e5e", "1E5"},
    {"'1a2+3", "123"},
    {"'1E5 ,", "1E5"},  // the pad never writes an unreadable text
    {"5 / = 3", kErr},
    {"5 / = '3", "3"},  // the failed key left the new entry pending
    {"0 1/x '3", kErr},
    {"5 / = CE 4", "4"},
    {"2 + 9 sqrt =", "5"},
};
INSTANTIATE_TEST_SUITE_P(EntryAndChaining, Sequence,
                         ::testing::Combine(::testing::ValuesIn(kEntryAndChaining), ::testing::Bool()));

const SequenceCase kFunctions[] = {
    {"30 sin", "0,5"},
    {"1 asin", "90"},
    {"DRG DRG 100 sin", "1"},
    {"DRG DRG 1 asin", "100"},
    {"DRG 1 atan", "0,785398163397448"},
    {"2 asin", kErr},
    {"0,5 acos", "60"},
    {"1 acosh", "0"},
    {"0,5 acosh", kErr},
    {"1 atanh", kErr},
    {"'-1 atanh", kErr},
    {"0,5 atanh", "0,549306144334055"},
    {"1 sinh", "1,1752011936438"},
    {"20000 sinh", kErr},
    {"20000 ex", kErr},
    {"0 1/x", kErr},
    {"0 sqrt", "0"},
    {"'-4 sqrt", kErr},
    {"0 ln", kErr},
    {"100 lg", "2"},
    {"3 10x", "1000"},
    {"'-2 10x", "0,01"},
    {"'1E3000 x2", kErr},
    {"5 x!", "120"},
    {"0 x!", "1"},
    {"18 x!", "6,402373705728E15"},
    {"1751 x!", "Overflow => press CE!"},
    {"'-3 x!", "Error press CE!"},
    {"2,5 x!", kErr},
    {"'1E2 x!", kErr},
    {"'+7 x!", "5040"},
    {"3000000000 x!", kErr},
    {"2147483648 x!", kErr},
    {"12345 Exp", "1,2345000E+4"},
    {"12345 Exp Exp", "12345"},
    {"123456785 Exp", "1,2345679E+8"},  // half-up
    {"'-12345 Exp", "-1,2345000E+4"},
    {"'-12345 Exp Exp", "-1,2345000E+4"},
    {"3 1/x Exp", "3,3333333E-1"},
    {"0 Exp", "0,0000000E+0"},
    {"'-0,002 Exp", "-2,0000000E-3"},
    {"99999999,7 Exp", "1,0000000E+8"},
    {"0 +/-", "0"},
    {"'1E5 +/-", "-100000"},
    {"pi", "3,14159265358979"},
    {"e", "2,71828182845905"},
    // Quarter turns are exact in degrees and grads; the tangent's poles fail.
    {"90 cos", "0"},
    {"180 sin", "0"},
    {"360 sin", "0"},
    {"'-90 sin", "-1"},
    {"450 sin", "1"},
    {"540 cos", "-1"},
    {"45 tan", "1"},
    {"90 tan", kErr},
    {"270 tan", kErr},
    {"'-90 tan", kErr},
    {"DRG DRG 100 cos", "0"},
    {"DRG DRG 50 tan", "1"},
    {"DRG DRG 300 tan", kErr},
};
INSTANTIATE_TEST_SUITE_P(Functions, Sequence, ::testing::Combine(::testing::ValuesIn(kFunctions), ::testing::Bool()));

const SequenceCase kMemory[] = {
    {"5 M+ CE 3 M+ MR", "8"},
    {"5 M+ 3", "53"},  // the memory keys start no new entry
    {"5 M+ 3 M+ MR", "58"},
    {"5 M+ CE 3 M+ MR M- MR", "0"},
    {"5 M+ MC MR", "0"},
    {"5 / = MR", "Memory error !"},
    {"3 M+ CE 4 + MR =", "7"},
    {"3 M+ CE 4 + MR 5", "5"},
    {"'9E4931 M+ M+ CE MR", "9E4931"},  // an overflowing M+ leaves the memory
};
INSTANTIATE_TEST_SUITE_P(Memory, Sequence, ::testing::Combine(::testing::ValuesIn(kMemory), ::testing::Bool()));

TEST(Calculator, FactorialLimitFitsTheExtendedRange) {
  if (std::numeric_limits<Extended>::max_exponent10 < 4917) GTEST_SKIP() << "Extended is a plain double here";
  Pocket p;
  p.Run("1750 x!");
  const std::optional<Extended> v = ParseNumber(p.Text(), ',');
  ASSERT_TRUE(v.has_value()) << p.Text();
  EXPECT_GT(*v, 2e4917L);
}

// The pad may write a 17th character, typing stops at 16.
TEST(Calculator, TypingAndPadLimits) {
  for (bool point : {false, true}) {
    Pocket p(point);
    p.Run("'12345678,901234567");
    EXPECT_EQ(p.Text(), point ? "12345678.9012345" : "12345678,9012345");
    p.Run("6");
    EXPECT_EQ(p.calc.Display().Length(), 17);
    p.Run("7 '8");
    EXPECT_EQ(p.Text(), point ? "12345678.90123456" : "12345678,90123456");
  }
}

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
  if (NeedsWideRange(c.setup) && !HasWideRange()) GTEST_SKIP() << "needs the 80-bit range";
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
  EXPECT_EQ(after.NewEntry, before.NewEntry);
  EXPECT_EQ(after.CalcMemory, before.CalcMemory);
  EXPECT_TRUE(p.calc.Display().HasFocus());
  EXPECT_EQ(p.calc.Display().SelStart(), p.calc.Display().Length());
  EXPECT_EQ(p.calc.Display().SelLength(), 0);
}

const FailureCase kFailureCases[] = {
    {"/", "=", CalcFailure::kCompute, true},
    {"Paste", "=", CalcFailure::kCompute, true},
    {"0", "1/x", CalcFailure::kCompute, true},
    {"'1E4000", "x2", CalcFailure::kCompute, true},
    {"2", "asin", CalcFailure::kCompute, true},
    {"Paste", "sin", CalcFailure::kCompute, true},
    {"1751", "x!", CalcFailure::kFactorialOverflow, true},
    {"'-3", "x!", CalcFailure::kFactorialNegative, true},
    {"Paste", "MR", CalcFailure::kMemory, true},
    {"9 M+ Paste", "M+", CalcFailure::kMemory, true},
    {"Paste", "Exp", CalcFailure::kExponentForm, false},
    {"", "Paste", CalcFailure::kInsert, false},
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Failures,
                         ::testing::Combine(::testing::ValuesIn(kFailureCases), ::testing::Bool()));

TEST(Calculator, LanguageIsChosenWhenTheTextIsWritten) {
  Pocket p(false, /*german=*/true);
  p.Run("5 / =");
  EXPECT_EQ(p.Text(), "Fehler => CE drücken !");
  p.calc.SetLanguage(false);
  EXPECT_EQ(p.Text(), "Fehler => CE drücken !");
  p.Run("Exp");
  EXPECT_EQ(p.Text(), "Error. Press CE!");
}

constexpr const char* kInsertErr = "Insert-Error => press CE!";
const SequenceCase kClipboard[] = {
    // A good paste replaces a failure text and lands exactly as pasted.
    {"5 / = Paste", "12,5", "12,5"},
    {"Paste", " 12 ", " 12 "},
    {"Paste", "+3", "+3"},
    {"Paste", "3,106856", "3,106856\r\n7"},
    // Longer than the display: a number is rounded to fit, never cut.
    {"Paste", "1,23456789012E19", "12345678901234567890"},
    {"Paste", "5,18784831432E49", "5,18784831431908E49"},
    {"Paste", kInsertErr, "12345678901234567x"},
    {"Paste", kInsertErr, "abc"},
    {"Paste", kInsertErr, ""},
    {"Paste", kInsertErr, kUnreadable},
    {"Paste", kInsertErr, "1E5000"},
    {"5 + Paste 4 =", "9", "3"},  // the paste leaves the new entry pending
};
INSTANTIATE_TEST_SUITE_P(Clipboard, Sequence, ::testing::Combine(::testing::ValuesIn(kClipboard), ::testing::Bool()));

// Focus from another control selects everything; a click places the caret;
// a digit always goes to the end, a typed character to the caret.
const SequenceCase kFocus[] = {
    {"CE", "0", "", 0, 1},
    {"123 <BLUR> 4", "4", "", 1, 0},
    {"123 <CLICK1> 4", "1234", "", 4, 0},
    {"123 <CLICK1> '9", "1923", "", 2, 0},
    {"123 <SEL0:1> 4", "234", "", 3, 0},
    {"123 <BLUR> <FOCUS>", "123", "", 0, 3},
    {"123 <FOCUS>", "123", "", 3, 0},
    {"123 <BLUR> 7 sqrt", "2,64575131106459", "", 16, 0},
    {"'1E5 <CLICK0> <DEL>", "1E", "", 2, 0},
    {"'123 <CLICK1> <DEL>", "13", "", 1, 0},
    {"'1,5 <SEL1:1> ,", "1,5", "", 1, 1},  // a separator stands: the key does nothing
    {"'5 <CLICK0> 'E", "5", "", 0, 0},     // the release undoes "E5", caret included
    {"12 <BS> <BS>", "", "", 0, 0},
    {"'1,5 <SEL0:3> ',", "1,5", "", 0, 3},
    {"5 +", "0", "", 0, 1},
    {"5 + 3", "3", "", 1, 0},
    {"123 Copy", "123", "", 0, 3},
    {"123 Copy 4", "4", "", 1, 0},
};
INSTANTIATE_TEST_SUITE_P(Focus, Sequence, ::testing::Combine(::testing::ValuesIn(kFocus), ::testing::Bool()));

TEST(Calculator, CopyCopiesWhateverStands) {
  Pocket p;
  p.Run("123 Copy");
  EXPECT_EQ(p.clipboard.content, "123");
  p.Run("/ = Copy");
  EXPECT_EQ(p.clipboard.content, kErr);
  EXPECT_EQ(p.calc.Display().SelLength(), p.calc.Display().Length());
}

}  // namespace
}  // namespace umrido::testing
