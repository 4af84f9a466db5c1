// The pocket calculator beside the converter, as plain logic over a display
// text and a few numbers. The window only forwards key presses, typed
// characters and focus changes, and mirrors `Display()` after every call.
//
// There is no register for the number being entered: the display text is the
// operand. Every key reads the display anew, computes in Extended and writes a
// new display text, or a failure text in the current language.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "clipboard.h"
#include "number_format.h"
#include "text_field.h"

namespace umrido {

// Every key of the calculator panel: the pad (digits, operations, functions,
// layers, memory) and the two clipboard keys above it.
enum class CalcKey {
  SpeedButtonZiffer0,
  SpeedButtonZiffer1,
  SpeedButtonZiffer2,
  SpeedButtonZiffer3,
  SpeedButtonZiffer4,
  SpeedButtonZiffer5,
  SpeedButtonZiffer6,
  SpeedButtonZiffer7,
  SpeedButtonZiffer8,
  SpeedButtonZiffer9,
  SpeedButtonKomma,
  SpeedButtonPlus,
  SpeedButtonMinus,
  SpeedButtonMal,
  SpeedButtonDurch,
  SpeedButtonXhochy,
  SpeedButtonW_y,
  SpeedButtonIstGleich,
  SpeedButtonCE,
  SpeedButtonShift,
  SpeedButtonHyp,
  SpeedButtonDRG,
  SpeedButtonExp,
  SpeedButtonX_1,
  SpeedButtonX_2,
  SpeedButtonW_2,
  SpeedButtonLn,
  SpeedButtonLg,
  SpeedButtonPi,
  SpeedButtonPlusMinus,
  SpeedButtonXFak,
  SpeedButtonEhochx,
  SpeedButton10hochx,
  SpeedButtonEuler,
  SpeedButtonSin,
  SpeedButtonCos,
  SpeedButtonTan,
  SpeedButtonArcSin,
  SpeedButtonArcCos,
  SpeedButtonArcTan,
  SpeedButtonHypSin,
  SpeedButtonHypCos,
  SpeedButtonHypTan,
  SpeedButtonHypArcSin,
  SpeedButtonHypArcCos,
  SpeedButtonHypArcTan,
  SpeedButtonMplus,
  SpeedButtonMminus,
  SpeedButtonMR,
  SpeedButtonMC,
  SpeedButtonInsertCalc,
  SpeedButtonCopyCalc,
};
inline constexpr int kCalcKeyCount = static_cast<int>(CalcKey::SpeedButtonCopyCalc) + 1;

// Which handler a key belongs to. Keys of one group share one handler.
enum class CalcKeyGroup {
  kZiffer,      // SpeedButtonZifferClick: digits and the separator key
  kBinary,      // SpeedButtonCalcBClick: + - * / x^y y-root and =
  kClear,       // SpeedButtonCEClick
  kShift,       // SpeedButtonShiftClick
  kHyp,         // SpeedButtonHypClick
  kAngle,       // SpeedButtonDRGClick
  kExponent,    // SpeedButtonExpClick
  kOneOperand,  // SpeedButtonCalcAClick
  kTrig,        // SpeedButtonCalcWClick: the twelve trigonometric and hyperbolic keys
  kMemory,      // SpeedButtonCalcMClick
  kInsert,      // SpeedButtonInsertCalcClick
  kCopy,        // SpeedButtonCopyCalcClick
};

// Pixel geometry of the pad, relative to the calculator panel.
inline constexpr int kPadKeyWidth = 36;
inline constexpr int kPadKeyHeight = 34;
inline constexpr std::array<int, 5> kPadColumnLeft = {4, 45, 86, 127, 168};
inline constexpr std::array<int, 7> kPadRowTop = {78, 116, 154, 192, 230, 268, 306};

// One key as data, so the window can build and place the pad from a table.
struct CalcKeyInfo {
  CalcKey key;
  const char* name;  // the component name, e.g. "SpeedButtonZiffer7"
  CalcKeyGroup group;
  int row;        // 0-6 into kPadRowTop; -1 for the clipboard keys (not on the pad)
  int column;     // 0-4 into kPadColumnLeft; -1 for the clipboard keys
  int layerCell;  // 0-8 for keys stacked in a KeyLayer cell, -1 otherwise
};

// All kCalcKeyCount keys, indexed by static_cast<int>(CalcKey).
const std::array<CalcKeyInfo, kCalcKeyCount>& CalcKeys();

// The entry of `key` in CalcKeys().
const CalcKeyInfo& InfoOf(CalcKey key);

// The nine stacked cells of the pad (rows 116 and 154) and which key lies on
// top of each for the four states of the layer flags. Columns are indexed by
// LayerIndex(): Shift off/Hyp off, Shift on/Hyp off, Shift off/Hyp on, both on.
inline constexpr int kKeyLayerCells = 9;
extern const std::array<std::array<CalcKey, 4>, kKeyLayerCells> KeyLayer;

// The column of KeyLayer for the flags.
constexpr int LayerIndex(bool shiftOn, bool hypOn) { return (shiftOn ? 1 : 0) + (hypOn ? 2 : 0); }

// The key on top of stacked cell `cell` (0-8) for the flags. `cell` outside
// 0-8 is clamped.
CalcKey KeyOnTop(int cell, bool shiftOn, bool hypOn);

// Whether `key` is visible and pressable for the flags. Keys outside the
// stacked cells are always on top.
bool IsKeyOnTop(CalcKey key, bool shiftOn, bool hypOn);

// The failure texts, each in German and English.
enum class CalcFailure {
  kCompute,            // binary, one-operand, trigonometric and hyperbolic keys
  kFactorialOverflow,  // factorial of more than 1750
  kFactorialNegative,  // factorial of a negative number
  kExponentForm,       // Exp key on a display that does not read as a number
  kMemory,             // memory keys
  kInsert,             // paste key
};

// The text shown for `failure` in the given language. UTF-8.
std::string_view FailureText(CalcFailure failure, bool german);

// Whether `text` is one of the failure texts in either language.
bool IsFailureText(std::string_view text);

// Codes of the binary operation waiting for its right operand.
inline constexpr int kOpNone = 0;
inline constexpr int kOpAdd = 1;
inline constexpr int kOpSubtract = 2;
inline constexpr int kOpMultiply = 3;
inline constexpr int kOpDivide = 4;
inline constexpr int kOpPower = 5;
inline constexpr int kOpRoot = 6;

// Angle modes.
inline constexpr int kAngleDeg = 0;
inline constexpr int kAngleRad = 1;
inline constexpr int kAngleGrad = 2;

// The longest text the user may type into the display; the pad may add one more.
inline constexpr int kCalcTypingLimit = 16;

// Everything the calculator holds.
struct CalcState {
  // The display: its text is the current operand or a failure text.
  TextField EditCalc{"0", kCalcTypingLimit};
  // The display's text and caret just before the last typed character; the
  // after-key check goes back to them.
  std::string LastKeyText = "0";
  int LastKeyCaret = 1;
  // Left operand of the pending operation; after = the last result.
  Extended Accumulator = 0;
  int PendingOp = kOpNone;  // kOpNone ... kOpRoot
  // Set by the binary keys: the next digit or typed character first empties
  // the display.
  bool NewEntry = false;
  Extended CalcMemory = 0;
  bool ShiftOn = false;
  bool HypOn = false;
  int AngleMode = kAngleDeg;  // kAngleDeg, kAngleRad or kAngleGrad
};

// The display format: general notation with 15 significant digits. `x` must
// be finite.
std::string FormatCalc(Extended x, char separator);

// Exponent form with 8 significant digits, trailing zeros kept and the
// exponent's sign always written: "-1,2345678E-4932". `x` must be finite.
std::string FormatCalcExponent(Extended x, char separator);

// Vertical offsets of the indicator pictures inside the indicator strip.
constexpr int ImageShiftTop(bool shiftOn) { return shiftOn ? -7 : 2; }
constexpr int ImageHypTop(bool hypOn) { return hypOn ? -7 : 2; }
constexpr int ImageDRGTop(int angleMode) { return angleMode == kAngleRad ? -7 : angleMode == kAngleGrad ? -16 : 2; }

// The calculator engine. Not thread-safe; all calls come from the window's
// event thread.
//
// Focus: the pad's buttons never take the focus. Keys that "give the display
// the focus" set the display model's focus flag and select its whole text if
// the flag was not set (the focus came from another control). The window
// reports focus changes it sees with the Display* calls below and gives the
// real display the focus whenever Display().HasFocus() is true.
class Calculator {
 public:
  // `decimalIsPoint` chooses the separator: '.' when true, ',' when false.
  // Starts in German, DEG, display "0".
  explicit Calculator(bool decimalIsPoint, bool german = true);

  // Chooses the language of failure texts written from now on; a text already
  // in the display stays as it is.
  void SetLanguage(bool german) { german_ = german; }
  bool German() const { return german_; }

  // Sets AngleMode, e.g. from the stored setting. A value outside 0-2 names no
  // mode and is replaced by DEG.
  void SetAngleMode(int mode);

  char Separator() const { return separator_; }
  const CalcState& State() const { return state_; }
  const TextField& Display() const { return state_.EditCalc; }

  // Presses `key` on the panel, dispatching to its group's handler. The
  // clipboard is used by the paste and copy keys only. The engine does not
  // check whether the key lies on top of its cell; the window offers only keys
  // that do.
  void Press(CalcKey key, Clipboard& clipboard);

  // The group handlers; Press() calls them. A key outside the handler's group
  // is ignored. Every handler catches its own failures: the display then shows
  // the key's failure text in the current language.

  // Digits and the separator key: append to the end of the display (replacing
  // a selection; the first digit after a binary key starts a new number). Does
  // nothing while the display does not read as a number, when it already holds
  // 17 characters, for a second separator, or when the result would not read.
  void SpeedButtonZifferClick(CalcKey key);
  // + - * / x^y y-root and =: applies the pending operation to Accumulator and
  // the display, strictly left to right; = shows the result, the others "0"
  // (selected). Sets NewEntry.
  void SpeedButtonCalcBClick(CalcKey key);
  // Display "0" selected, no pending operation; also clears failure texts.
  void SpeedButtonCEClick();
  // Toggle ShiftOn / HypOn; the window re-reads KeyOnTop() and the indicators.
  void SpeedButtonShiftClick();
  void SpeedButtonHypClick();
  // AngleMode DEG -> RAD -> GRAD -> DEG.
  void SpeedButtonDRGClick();
  // Toggles the display between the general notation and FormatCalcExponent.
  void SpeedButtonExpClick();
  // One-operand keys (x^-1, x^2, roots, logarithms, e^x, 10^x, pi, e, +/-, x!).
  void SpeedButtonCalcAClick(CalcKey key);
  // The twelve trigonometric and hyperbolic keys, by AngleMode.
  void SpeedButtonCalcWClick(CalcKey key);
  // M+, M-, MR, MC. M+ and MR start no new entry.
  void SpeedButtonCalcMClick(CalcKey key);
  // Replaces the display by the clipboard's text (first line, 16 characters;
  // a longer number is rounded to fit, not cut), kept exactly as pasted when
  // it reads as a number.
  void SpeedButtonInsertCalcClick(Clipboard& clipboard);
  // Selects the whole display and copies it, failure texts included.
  void SpeedButtonCopyCalcClick(Clipboard& clipboard);

  // A character typed into the display (backspace is kBackspace): recorded for
  // the after-key check, filtered, and inserted at the caret within the typing
  // limit. Control characters other than backspace (so also the platform's
  // Ctrl+V, Ctrl+C, Ctrl+X) are dropped; the window must not paste, cut or undo
  // in the display on its own. Gives the display the focus without touching
  // the selection if it had none.
  void EditCalcKeyPress(char32_t ch);

  // The Delete key in the display (not a typed character): removes the
  // selection or the character after the caret. The record is not taken.
  void EditCalcDelete();

  // Any key released while the display has the focus (also Delete and the
  // arrows): a text that is neither empty nor "-" and does not read as a number
  // goes back to the record of the last typed character.
  void EditCalcKeyUp();

  // The display received the focus from another control (tab, shortcut):
  // selects its whole text. No effect while it already has the focus.
  void DisplayFocusFromOtherControl();

  // A mouse click into the display: it gets the focus with the caret at
  // `caret` (clamped), nothing selected.
  void DisplayClicked(int caret);

  // The user moved the caret or selection (mouse drag, arrow keys,
  // shift+arrows, Home/End): takes the field's new selection.
  void DisplaySelectionChanged(int start, int length);

  // The display lost the focus to another control.
  void DisplayFocusLost();

 private:
  // Reads the display as the operand, writing "0" into an empty display
  // first. nullopt when the text does not read as a number.
  std::optional<Extended> ReadOperand();
  // Gives the display the focus, then the caret at the end, nothing selected.
  void FinishDisplay();
  // Gives the display the focus; selects everything if it had none.
  void FocusDisplay();
  void ShowNumber(Extended x);
  // Writes the failure text and resets PendingOp and Accumulator.
  void Fail(CalcFailure failure);

  CalcState state_;
  char separator_;
  bool german_;
};

}  // namespace umrido
