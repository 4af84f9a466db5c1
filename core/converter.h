// The converter behind the window's header: the conversion state, the input
// field `EditV` with its keystroke filter and change handling, the read-only
// result field `EditN`, the unit labels, and the clipboard buttons.
//
// The window turns its events into the calls below and then mirrors the
// fields, labels and marker rows on screen. Nothing here knows the toolkit.
#pragma once

#include <string>
#include <string_view>

#include "clipboard.h"
#include "number_format.h"
#include "text_field.h"
#include "unit_catalogue.h"

namespace umrido {

enum class Side { V, N };  // V: source ("von"), N: target ("nach")

// The text the result field shows when a conversion fails.
inline constexpr std::string_view kConversionFailed = "?!";
// Both number fields take at most this many characters from the user.
inline constexpr int kNumberFieldLimit = 16;
// The selector rows are this many pixels apart; a press at Y picks Y / 18.
inline constexpr int kRowPitch = kStripPitch;

struct ConversionState {
  CategoryId CurrentCategory = 2;
  double FactorV = 1.0;
  double OffsetV = 0.0;
  double FactorN = 1.0;
  double OffsetN = 0.0;
  UnitRow RowV = 0;   // row of the source marker
  UnitRow RowN = 0;   // row of the target marker
  int PickedRow = 0;  // row under the pointer at the last press on a selector
  Side PickSide = Side::V;
};

// Converts the input text with the state's factors and offsets (offsets only
// in Temperature) and formats the result with 8 digits and `separator`.
// Returns "?!" when the text does not parse (empty, a lone "-", anything
// else), or the result is not a finite Extended value. With the same unit on
// both sides the result is the input's value itself. In Temperature the
// factors and offsets count as the decimals they stand for (273.15, 1.8), so
// an exact decimal zero shows as "0" and a result next to it keeps its digits.
std::string Berechnung(const ConversionState& state, std::string_view input, char separator);

// The marker's top in the strip for `row`: 18 * row + 11.
constexpr int MarkerTop(UnitRow row) { return kRowPitch * row + 11; }

class Converter {
 public:
  // The state right after start-up for `category` (a stored value; an id
  // outside 0 to 50 is kept but finds no units): factors 1, offsets 0, both
  // markers on row 0, "1" in both fields, the base unit's symbol on both
  // labels, and the keystroke record "0" with the caret at 1.
  Converter(bool decimalIsPoint, bool german, CategoryId category);

  const ConversionState& State() const { return state_; }
  const TextField& EditV() const { return editV_; }
  const TextField& EditN() const { return editN_; }
  const std::string& LabelV() const { return labelV_; }
  const std::string& LabelN() const { return labelN_; }
  const std::string& LastKeyText() const { return lastKeyText_; }
  int LastKeyCaret() const { return lastKeyCaret_; }
  bool DecimalIsPoint() const { return decimalIsPoint_; }
  char Separator() const { return SeparatorChar(decimalIsPoint_); }
  bool German() const { return german_; }

  // Chooses the language of the symbols that later picks write into the
  // labels. Labels already written keep their text.
  void SetLanguage(bool german) { german_ = german; }

  // The user selected list position `position` (0 to 50) in the current
  // language: the category change. A position outside 0 to 50 does nothing.
  void ListBoxUCClick(int position);
  // The category change for `id` itself; an id outside 0 to 50 does nothing.
  void SelectCategory(CategoryId id);

  // A press (any mouse button) at vertical position `y` of a selector: the
  // side's marker moves to row y / 18 at once; no factor changes yet.
  // A negative `y` is taken as 0.
  void ImageMouseDown(Side side, int y);
  // The release, wherever the pointer went: applies the pressed row to the
  // pressed side and converts. A row not below the unit count changes nothing.
  void ImageMouseUp();

  // Exchanges the two sides and converts the shown result back.
  void SpeedButtonSwapClick();

  // A typed character in EditV (backspace is code 8). Records the keystroke,
  // filters, inserts and runs the change handling.
  void EditVKeyPress(char32_t c);
  // The Delete key in EditV (not a typed character: no keystroke record).
  void EditVDeleteKey();
  // Cut by keyboard shortcut: the selection goes to the clipboard and leaves
  // the field, which then runs the change handling.
  void EditVCut(Clipboard& clipboard);
  // Paste by keyboard shortcut: the platform's paste at the selection, without
  // the keystroke filter, then the change handling. A number longer than the
  // field is rounded to fit (NumberPasteText), never cut. An unreadable
  // clipboard pastes nothing.
  void EditVPaste(Clipboard& clipboard);
  // The user moved the caret or selection (mouse, arrow keys).
  void EditVSetSelection(int start, int length) { editV_.SetSelection(start, length); }

  // Focus reports from the window. `selectAll` when the focus arrived from
  // another control other than by a click into the field.
  void EditVFocus(bool selectAll);
  void EditNFocus(bool selectAll);
  void EditVBlur() { editV_.Blur(); }
  void EditNBlur() { editN_.Blur(); }
  void EditNSetSelection(int start, int length) { editN_.SetSelection(start, length); }

  // The paste button: focus to EditV, empty it, paste the clipboard's text
  // (no keystroke filter; a number longer than the field is rounded to fit); a
  // text that does not parse, or a longer one that is no number, is undone to
  // the text before the last keystroke. An unreadable clipboard leaves "0".
  void SpeedButtonInsertVClick(Clipboard& clipboard);
  // The copy button: focus to EditN with its whole text selected, which goes
  // to the clipboard as it stands ("?!" included).
  void SpeedButtonCopyNClick(Clipboard& clipboard);

 private:
  void EditVChange(int depth = 0);
  void UndoEditV(int depth);
  // The platform's paste at the selection, with a long number rounded to fit
  // and a long text that is no number rejected like any unreadable change.
  void PasteIntoEditV(std::string_view clip);
  void SetEditVText(std::string text);
  void Convert();
  std::string SymbolOfRow(UnitRow row) const;

  bool decimalIsPoint_;
  bool german_;
  ConversionState state_;
  TextField editV_{"1", kNumberFieldLimit};
  TextField editN_{"1", kNumberFieldLimit};
  std::string labelV_;
  std::string labelN_;
  std::string lastKeyText_ = "0";
  int lastKeyCaret_ = 1;
};

}  // namespace umrido
