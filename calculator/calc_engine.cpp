#include "calc_engine.h"

#include <cmath>

#include "calc_math.h"

namespace umrido {
namespace {

// The code a binary key leaves pending, or -1 for a key of another group.
int BinaryCode(CalcKey key) {
  switch (key) {
    case CalcKey::SpeedButtonIstGleich:
      return kOpNone;
    case CalcKey::SpeedButtonPlus:
      return kOpAdd;
    case CalcKey::SpeedButtonMinus:
      return kOpSubtract;
    case CalcKey::SpeedButtonMal:
      return kOpMultiply;
    case CalcKey::SpeedButtonDurch:
      return kOpDivide;
    case CalcKey::SpeedButtonXhochy:
      return kOpPower;
    case CalcKey::SpeedButtonW_y:
      return kOpRoot;
    default:
      return -1;
  }
}

// The pad never pushes the display into a text that the next key could not
// read: the digit keys do nothing while the display does not parse, so one
// such text would lock them until CE.
bool Readable(const std::string& text, char separator) {
  return text.empty() || text == "-" || ParseNumber(text, separator).has_value();
}

}  // namespace

Calculator::Calculator(bool decimalIsPoint, bool german) : separator_(SeparatorChar(decimalIsPoint)), german_(german) {}

void Calculator::SetAngleMode(int mode) {
  state_.AngleMode = (mode == kAngleDeg || mode == kAngleRad || mode == kAngleGrad) ? mode : kAngleDeg;
}

void Calculator::Press(CalcKey key, Clipboard& clipboard) {
  switch (InfoOf(key).group) {
    case CalcKeyGroup::kZiffer:
      SpeedButtonZifferClick(key);
      break;
    case CalcKeyGroup::kBinary:
      SpeedButtonCalcBClick(key);
      break;
    case CalcKeyGroup::kClear:
      SpeedButtonCEClick();
      break;
    case CalcKeyGroup::kShift:
      SpeedButtonShiftClick();
      break;
    case CalcKeyGroup::kHyp:
      SpeedButtonHypClick();
      break;
    case CalcKeyGroup::kAngle:
      SpeedButtonDRGClick();
      break;
    case CalcKeyGroup::kExponent:
      SpeedButtonExpClick();
      break;
    case CalcKeyGroup::kOneOperand:
      SpeedButtonCalcAClick(key);
      break;
    case CalcKeyGroup::kTrig:
      SpeedButtonCalcWClick(key);
      break;
    case CalcKeyGroup::kMemory:
      SpeedButtonCalcMClick(key);
      break;
    case CalcKeyGroup::kInsert:
      SpeedButtonInsertCalcClick(clipboard);
      break;
    case CalcKeyGroup::kCopy:
      SpeedButtonCopyCalcClick(clipboard);
      break;
  }
}

// --- shared steps -----------------------------------------------------------

void Calculator::FocusDisplay() {
  if (!state_.EditCalc.HasFocus()) state_.EditCalc.Focus(/*selectAll=*/true);
}

void Calculator::FinishDisplay() {
  FocusDisplay();
  state_.EditCalc.CaretToEnd();
}

std::optional<Extended> Calculator::ReadOperand() {
  if (state_.EditCalc.Text().empty()) state_.EditCalc.SetText("0");
  return ParseNumber(state_.EditCalc.Text(), separator_);
}

void Calculator::ShowNumber(Extended x) { state_.EditCalc.SetText(FormatCalc(x, separator_)); }

void Calculator::Fail(CalcFailure failure) {
  state_.EditCalc.SetText(std::string(FailureText(failure, german_)));
  state_.PendingOp = kOpNone;
  state_.Accumulator = 0;
}

// --- keys -------------------------------------------------------------------

void Calculator::SpeedButtonZifferClick(CalcKey key) {
  const int index = static_cast<int>(key);
  const bool separatorKey = key == CalcKey::SpeedButtonKomma;
  if (!separatorKey && (index < static_cast<int>(CalcKey::SpeedButtonZiffer0) ||
                        index > static_cast<int>(CalcKey::SpeedButtonZiffer9))) {
    return;
  }
  TextField& display = state_.EditCalc;
  if (!ParseNumber(display.Text(), separator_)) return;
  if (state_.NewEntry) {
    display.SetText("");
    state_.NewEntry = false;
  }
  // The pad may write one character past the typing limit.
  if (display.Length() > kCalcTypingLimit) return;
  const char32_t added = separatorKey
                             ? static_cast<char32_t>(separator_)
                             : static_cast<char32_t>(U'0' + (index - static_cast<int>(CalcKey::SpeedButtonZiffer0)));
  if (separatorKey && display.Text().find(separator_) != std::string::npos) return;

  FocusDisplay();
  // A digit always goes to the end; only a selection is replaced.
  std::u32string text = DecodeUtf8(display.Text());
  text.erase(static_cast<std::size_t>(display.SelStart()), static_cast<std::size_t>(display.SelLength()));
  text += added;
  std::string next = EncodeUtf8(text);
  if (!Readable(next, separator_)) return;  // e.g. a separator after "1E5"
  display.SetText(std::move(next));
  display.CaretToEnd();
}

void Calculator::SpeedButtonCalcBClick(CalcKey key) {
  const int code = BinaryCode(key);
  if (code < 0) return;
  const std::optional<Extended> x = ReadOperand();
  const std::optional<Extended> r = x ? ApplyBinary(state_.PendingOp, state_.Accumulator, *x) : std::nullopt;
  if (r) {
    // Intermediate results are not shown, only the final one.
    if (key == CalcKey::SpeedButtonIstGleich) {
      ShowNumber(*r);
    } else {
      state_.EditCalc.SetText("0");
    }
    state_.NewEntry = true;
    state_.Accumulator = *r;
    state_.PendingOp = code;
  } else {
    Fail(CalcFailure::kCompute);
  }
  FocusDisplay();
  if (state_.EditCalc.Text() == "0") {
    state_.EditCalc.SelectAll();
  } else {
    state_.EditCalc.CaretToEnd();
  }
}

void Calculator::SpeedButtonCEClick() {
  FocusDisplay();
  state_.EditCalc.SetText("0");
  state_.EditCalc.SelectAll();
  state_.PendingOp = kOpNone;
  state_.Accumulator = 0;
  state_.LastKeyText = "0";
  state_.LastKeyCaret = 1;
}

void Calculator::SpeedButtonShiftClick() { state_.ShiftOn = !state_.ShiftOn; }

void Calculator::SpeedButtonHypClick() { state_.HypOn = !state_.HypOn; }

void Calculator::SpeedButtonDRGClick() {
  switch (state_.AngleMode) {
    case kAngleDeg:
      state_.AngleMode = kAngleRad;
      break;
    case kAngleRad:
      state_.AngleMode = kAngleGrad;
      break;
    default:
      state_.AngleMode = kAngleDeg;
      break;
  }
}

void Calculator::SpeedButtonExpClick() {
  TextField& display = state_.EditCalc;
  if (display.Text().empty()) display.SetText("0");
  const std::string text = display.Text();
  const std::optional<Extended> x = ParseNumber(text, separator_);
  if (!x) {
    display.SetText(std::string(FailureText(CalcFailure::kExponentForm, german_)));
  } else if (text.find('E') != std::string::npos && text.size() > 1 && text[1] == separator_) {
    // A positive number in exponent form: back to the general notation.
    ShowNumber(*x);
  } else {
    display.SetText(FormatCalcExponent(*x, separator_));
  }
  FinishDisplay();
}

void Calculator::SpeedButtonCalcAClick(CalcKey key) {
  if (InfoOf(key).group != CalcKeyGroup::kOneOperand) return;
  const std::optional<Extended> x = ReadOperand();
  if (!x) {
    Fail(CalcFailure::kCompute);
  } else if (key == CalcKey::SpeedButtonXFak) {
    // The factorial reads the text itself: only a whole number will do.
    const std::optional<int> n = ReadWholeNumber(state_.EditCalc.Text());
    if (!n) {
      Fail(CalcFailure::kCompute);
    } else if (*n > 1750) {
      Fail(CalcFailure::kFactorialOverflow);
    } else if (*n < 0) {
      Fail(CalcFailure::kFactorialNegative);
    } else if (const std::optional<Extended> r = Factorial(*n)) {
      ShowNumber(*r);
    } else {
      // Only where Extended is a plain double: 171! and beyond overflow.
      Fail(CalcFailure::kFactorialOverflow);
    }
  } else if (const std::optional<Extended> r = ApplyOneOperand(key, *x)) {
    ShowNumber(*r);
  } else {
    Fail(CalcFailure::kCompute);
  }
  FinishDisplay();
}

void Calculator::SpeedButtonCalcWClick(CalcKey key) {
  if (InfoOf(key).group != CalcKeyGroup::kTrig) return;
  const std::optional<Extended> x = ReadOperand();
  const std::optional<Extended> r = x ? ApplyTrig(key, *x, state_.AngleMode) : std::nullopt;
  if (r) {
    ShowNumber(*r);
  } else {
    Fail(CalcFailure::kCompute);
  }
  FinishDisplay();
}

void Calculator::SpeedButtonCalcMClick(CalcKey key) {
  if (InfoOf(key).group != CalcKeyGroup::kMemory) return;
  const std::optional<Extended> x = ReadOperand();
  if (!x) {
    Fail(CalcFailure::kMemory);
    FinishDisplay();
    return;
  }
  switch (key) {
    case CalcKey::SpeedButtonMplus:
    case CalcKey::SpeedButtonMminus: {
      const Extended sum = key == CalcKey::SpeedButtonMplus ? state_.CalcMemory + *x : state_.CalcMemory - *x;
      if (std::isfinite(sum)) {
        state_.CalcMemory = sum;
      } else {
        Fail(CalcFailure::kMemory);
      }
      break;
    }
    case CalcKey::SpeedButtonMR:
      ShowNumber(state_.CalcMemory);
      break;
    default:
      state_.CalcMemory = 0;
      break;
  }
  FinishDisplay();
}

void Calculator::SpeedButtonInsertCalcClick(Clipboard& clipboard) {
  TextField& display = state_.EditCalc;
  FocusDisplay();
  display.SetText("");
  const std::optional<std::string> clip = clipboard.ReadText();
  const std::optional<std::string> text =
      clip ? NumberPasteText(*clip, separator_, display.MaxLength(), display.MaxLength()) : std::nullopt;
  if (text) display.Paste(*text);
  // The paste stays exactly as it landed, blanks and all, when it reads.
  if (!text || !ParseNumber(display.Text(), separator_)) {
    display.SetText(std::string(FailureText(CalcFailure::kInsert, german_)));
  }
}

void Calculator::SpeedButtonCopyCalcClick(Clipboard& clipboard) {
  FocusDisplay();
  state_.EditCalc.SelectAll();
  clipboard.WriteText(state_.EditCalc.SelectedText());
}

// --- typing and focus ---------------------------------------------------------

void Calculator::EditCalcKeyPress(char32_t ch) {
  TextField& display = state_.EditCalc;
  if (!display.HasFocus()) display.Focus(/*selectAll=*/false);
  state_.LastKeyText = display.Text();
  state_.LastKeyCaret = display.SelStart();
  if (state_.NewEntry) {
    display.SetText("");
    state_.NewEntry = false;
  }
  char32_t c = ch;
  if (c == U',' || c == U'.') {
    c = static_cast<char32_t>(separator_);
  } else if (c == U'e') {
    c = U'E';
  }
  const bool digit = c >= U'0' && c <= U'9';
  const bool once = c == static_cast<char32_t>(separator_) || c == U'-' || c == U'E';
  if (!(c == kBackspace || digit || once)) return;
  // Each of these may stand only once, wherever it is, even inside a selection
  // the key would replace.
  if (once && display.Text().find(static_cast<char>(c)) != std::string::npos) return;
  display.TypeCharacter(c);
}

void Calculator::EditCalcDelete() {
  TextField& display = state_.EditCalc;
  if (!display.HasFocus()) display.Focus(/*selectAll=*/false);
  display.DeleteForward();
}

void Calculator::EditCalcKeyUp() {
  TextField& display = state_.EditCalc;
  if (Readable(display.Text(), separator_)) return;
  display.SetText(state_.LastKeyText);
  display.SetCaret(state_.LastKeyCaret);
}

void Calculator::DisplayFocusFromOtherControl() { FocusDisplay(); }

void Calculator::DisplayClicked(int caret) {
  state_.EditCalc.Focus(/*selectAll=*/false);
  state_.EditCalc.SetCaret(caret);
}

void Calculator::DisplaySelectionChanged(int start, int length) { state_.EditCalc.SetSelection(start, length); }

void Calculator::DisplayFocusLost() { state_.EditCalc.Blur(); }

}  // namespace umrido
