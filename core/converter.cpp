#include "converter.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace umrido {
namespace {

bool IsSignOrSeparatorOrExponent(char32_t c) { return c == ',' || c == '-' || c == '.' || c == 'E'; }

bool Accepted(char32_t c) {
  return c == kBackspace || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 'E' || c == 'e';
}

// A factor or offset of the catalogue in hundredths, where the double is the
// one nearest to a decimal of at most two places (as every Temperature unit's
// is); nullopt otherwise.
std::optional<long long> Hundredths(double x) {
  if (!(std::fabs(x) < 1e5)) return std::nullopt;
  const long long n = std::llround(x * 100);
  if (static_cast<double>(n) / 100 != x) return std::nullopt;
  return n;
}

// ((v - oV) * fN) / fV + oN, with the factors and offsets taken as the
// decimals the catalogue writes (1.8, 273.15) rather than as their binary
// neighbours. In hundredths the formula is (P * v + K) / D with whole numbers
// P = 10000 fN, K = 100 oN * 100 fV - 100 oV * 100 fN, D = 10000 fV, and for an
// input of at most 18 digits P * v + K is summed exactly in 128 bits from the
// input's own digits: an exact zero (32 °F in °C) comes out as 0 without any
// threshold, and a result next to one (31,9999999999996 °F) keeps all its
// digits instead of being the difference of two rounded numbers near 273.
// Far from the zero crossings no digits cancel, and the same formula in
// Extended serves.
Extended TemperatureResult(const ConversionState& s, const DecimalText& in, Extended value) {
  const auto fV = Hundredths(s.FactorV);
  const auto fN = Hundredths(s.FactorN);
  const auto oV = Hundredths(s.OffsetV);
  const auto oN = Hundredths(s.OffsetN);
  if (!fV || !fN || !oV || !oN || *fV == 0) {
    return ((value - Extended(s.OffsetV)) * Extended(s.FactorN)) / Extended(s.FactorV) + Extended(s.OffsetN);
  }
  __extension__ using Int128 = __int128;
  const long long P = 100 * *fN;
  const long long K = *oN * *fV - *oV * *fN;
  const Extended D = Extended(100) * Extended(*fV);
  const long long e = in.exponent;
  // Within these bounds (and factors and offsets below 1E5) no sum leaves
  // the 127 bits.
  if (in.digits.size() > 18 || e > 10 || e < -22) return (Extended(P) * value + Extended(K)) / D;
  Int128 digits = std::stoll(in.digits.empty() ? std::string("0") : in.digits);
  if (in.negative) digits = -digits;
  Int128 scale = 1;  // 10^|e|
  for (long long i = 0; i < (e < 0 ? -e : e); ++i) scale *= 10;
  // e >= 0: P * digits * 10^e + K; e < 0: (P * digits + K * 10^-e) / 10^-e.
  const Int128 numerator = e >= 0 ? P * digits * scale + K : P * digits + K * scale;
  const Extended sum = static_cast<Extended>(numerator);
  return e >= 0 ? sum / D : sum / static_cast<Extended>(scale) / D;
}

}  // namespace

std::string Berechnung(const ConversionState& state, std::string_view input, char separator) {
  const std::optional<Extended> value = ParseNumber(input, separator);
  if (!value) return std::string(kConversionFailed);
  const Extended factorV = state.FactorV;
  const Extended factorN = state.FactorN;
  if (!(factorV != 0) || !std::isfinite(factorV) || !std::isfinite(factorN)) return std::string(kConversionFailed);

  Extended result;
  if (factorV == factorN && state.OffsetV == state.OffsetN) {
    // The same unit on both sides: the input itself, untouched by arithmetic
    // that could round it or take a tiny temperature for offset noise.
    result = *value;
  } else if (state.CurrentCategory == kTemperature) {
    result = TemperatureResult(state, *ReadDecimal(input, separator), *value);
  } else {
    result = (*value * factorN) / factorV;
  }
  if (!std::isfinite(result)) return std::string(kConversionFailed);
  return FormatResult(result, separator);
}

Converter::Converter(bool decimalIsPoint, bool german, CategoryId category)
    : decimalIsPoint_(decimalIsPoint), german_(german) {
  state_.CurrentCategory = category;
  labelV_ = SymbolOfRow(0);
  labelN_ = labelV_;
}

std::string Converter::SymbolOfRow(UnitRow row) const {
  const UnitEntry* unit = UnitCatalogue::Unit(state_.CurrentCategory, row);
  return unit != nullptr ? std::string(unit->Symbol(german_)) : std::string();
}

void Converter::Convert() { editN_.SetText(Berechnung(state_, editV_.Text(), Separator())); }

void Converter::EditVChange(int depth) {
  const std::string& text = editV_.Text();
  if (!(text.empty() || text == "-") && !ParseNumber(text, Separator())) UndoEditV(depth);
  Convert();
}

void Converter::UndoEditV(int depth) {
  // Back to the text before the last keystroke. That text was itself accepted,
  // so the nested run ends at once; the depth guard only makes sure a broken
  // record can never recurse without end.
  if (editV_.SetText(lastKeyText_)) {
    editV_.SetCaret(lastKeyCaret_);
    if (depth < 2) EditVChange(depth + 1);
  } else {
    editV_.SetCaret(lastKeyCaret_);
  }
}

void Converter::PasteIntoEditV(std::string_view clip) {
  const int room = editV_.MaxLength() - (editV_.Length() - editV_.SelLength());
  const std::optional<std::string> text = NumberPasteText(clip, Separator(), editV_.MaxLength(), room);
  if (!text) {
    UndoEditV(0);
    Convert();
  } else if (editV_.Paste(*text)) {
    EditVChange();
  }
}

void Converter::SetEditVText(std::string text) {
  if (editV_.SetText(std::move(text))) EditVChange();
}

void Converter::ListBoxUCClick(int position) { SelectCategory(CategoryAtListPosition(position, german_)); }

void Converter::SelectCategory(CategoryId id) {
  if (UnitCatalogue::Category(id) == nullptr) return;
  state_.CurrentCategory = id;
  state_.RowV = 0;
  state_.RowN = 0;
  state_.PickedRow = 0;
  labelV_ = SymbolOfRow(0);
  labelN_ = labelV_;
  state_.FactorV = 1.0;
  state_.OffsetV = 0.0;
  state_.FactorN = 1.0;
  state_.OffsetN = 0.0;
  SetEditVText("1");
  editN_.SetText("1");
  EditVFocus(true);
}

void Converter::ImageMouseDown(Side side, int y) {
  state_.PickedRow = (y < 0 ? 0 : y) / kRowPitch;
  (side == Side::V ? state_.RowV : state_.RowN) = state_.PickedRow;
  state_.PickSide = side;
}

void Converter::ImageMouseUp() {
  const UnitEntry* unit = UnitCatalogue::Unit(state_.CurrentCategory, state_.PickedRow);
  if (unit == nullptr) return;
  if (state_.PickSide == Side::V) {
    state_.FactorV = unit->factor;
    state_.OffsetV = unit->offset;
    labelV_ = std::string(unit->Symbol(german_));
  } else {
    state_.FactorN = unit->factor;
    state_.OffsetN = unit->offset;
    labelN_ = std::string(unit->Symbol(german_));
  }
  Convert();
}

void Converter::SpeedButtonSwapClick() {
  std::swap(state_.FactorV, state_.FactorN);
  std::swap(state_.OffsetV, state_.OffsetN);
  std::swap(state_.RowV, state_.RowN);
  std::swap(labelV_, labelN_);
  SetEditVText(editN_.Text());
  editV_.SelectAll();
}

void Converter::EditVKeyPress(char32_t c) {
  lastKeyText_ = editV_.Text();
  lastKeyCaret_ = editV_.SelStart();
  if (!Accepted(c)) return;
  if (c == ',' && decimalIsPoint_) c = '.';
  if (c == '.' && !decimalIsPoint_) c = ',';
  if (c == 'e') c = 'E';
  if (IsSignOrSeparatorOrExponent(c) && editV_.Text().find(static_cast<char>(c)) != std::string::npos) return;
  if (editV_.TypeCharacter(c)) EditVChange();
}

void Converter::EditVDeleteKey() {
  if (editV_.DeleteForward()) EditVChange();
}

void Converter::EditVCut(Clipboard& clipboard) {
  if (editV_.SelLength() == 0) return;
  if (!clipboard.WriteText(editV_.SelectedText())) return;
  if (editV_.TypeCharacter(kBackspace)) EditVChange();
}

void Converter::EditVPaste(Clipboard& clipboard) {
  const std::optional<std::string> clip = clipboard.ReadText();
  if (clip) PasteIntoEditV(*clip);
}

void Converter::EditVFocus(bool selectAll) {
  editN_.Blur();
  editV_.Focus(selectAll);
}

void Converter::EditNFocus(bool selectAll) {
  editV_.Blur();
  editN_.Focus(selectAll);
}

void Converter::SpeedButtonInsertVClick(Clipboard& clipboard) {
  EditVFocus(!editV_.HasFocus());
  SetEditVText(std::string());
  const std::optional<std::string> clip = clipboard.ReadText();
  if (!clip) {
    SetEditVText("0");
    return;
  }
  PasteIntoEditV(*clip);
}

void Converter::SpeedButtonCopyNClick(Clipboard& clipboard) {
  EditNFocus(true);
  clipboard.WriteText(editN_.SelectedText());
}

}  // namespace umrido
