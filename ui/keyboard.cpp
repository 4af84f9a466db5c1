// Keyboard shortcuts and the keyboard forms of the list and selector
// gestures.
#include "keyboard.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include <cstring>

#include "calc_panel.h"
#include "category_list.h"
#include "form_uc.h"
#include "panels.h"

namespace umrido::ui {

const std::vector<ShortcutRow>& Shortcuts() {
  // Arrows with Ctrl or Alt and function keys: none types a character, and
  // neither QLineEdit nor the fields' key filters claim any of them.
  static const std::vector<ShortcutRow> rows = {
      {QKeySequence(Qt::CTRL | Qt::Key_Up), [](TFormUC& f) { f.StepQuantity(-1); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Down), [](TFormUC& f) { f.StepQuantity(1); }},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), [](TFormUC& f) { f.StepQuantity(-1); }},
      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), [](TFormUC& f) { f.StepQuantity(1); }},
      {QKeySequence(Qt::ALT | Qt::Key_Up), [](TFormUC& f) { f.StepUnit(Side::V, -1); }},
      {QKeySequence(Qt::ALT | Qt::Key_Down), [](TFormUC& f) { f.StepUnit(Side::V, 1); }},
      {QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Up), [](TFormUC& f) { f.StepUnit(Side::N, -1); }},
      {QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Down), [](TFormUC& f) { f.StepUnit(Side::N, 1); }},
      {QKeySequence(Qt::Key_F1), [](TFormUC& f) { f.BringInfoToFront(); }},
      {QKeySequence(Qt::Key_F2),
       [](TFormUC& f) {
         f.BringCalculatorToFront();
         f.FocusCalculatorPad();
       }},
      {QKeySequence(Qt::Key_F3), [](TFormUC& f) { f.ShowUnitFinder(); }},
      {QKeySequence(Qt::Key_F4), [](TFormUC& f) { f.BringBannerToFront(); }},
      {QKeySequence(Qt::Key_F5), [](TFormUC& f) { f.SpeedButtonSwapClick(); }},
      {QKeySequence(Qt::Key_F6), [](TFormUC& f) { f.SpeedButtonInsertVClick(); }},
      {QKeySequence(Qt::Key_F7), [](TFormUC& f) { f.SpeedButtonCopyNClick(); }},
      {QKeySequence(Qt::Key_F8), [](TFormUC& f) { f.SwitchLanguage(); }},
      // Fields and pad leave Page Up/Down alone; the information text is
      // the only thing in the window that scrolls.
      {QKeySequence(Qt::Key_PageUp), [](TFormUC& f) { f.ScrollInfoText(-1); }},
      {QKeySequence(Qt::Key_PageDown), [](TFormUC& f) { f.ScrollInfoText(1); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), [](TFormUC& f) { f.QuitByKeyboard(); }},
  };
  return rows;
}

const std::vector<PadKeyRow>& PadKeys() {
  // The letters of the common desktop calculators: i (Inv) for Shift, h Hyp,
  // s o t the trigonometric cells, n ln, l lg, r 1/x, q x², @ √x, p π, x Exp,
  // and their Ctrl keys for the memory, M− moved off Ctrl+Q, which quits.
  constexpr QKeyCombination none = Qt::Key_unknown;
  static const std::vector<PadKeyRow> rows = {
      {"0", none, CalcKey::SpeedButtonZiffer0, false},
      {"1", none, CalcKey::SpeedButtonZiffer1, false},
      {"2", none, CalcKey::SpeedButtonZiffer2, false},
      {"3", none, CalcKey::SpeedButtonZiffer3, false},
      {"4", none, CalcKey::SpeedButtonZiffer4, false},
      {"5", none, CalcKey::SpeedButtonZiffer5, false},
      {"6", none, CalcKey::SpeedButtonZiffer6, false},
      {"7", none, CalcKey::SpeedButtonZiffer7, false},
      {"8", none, CalcKey::SpeedButtonZiffer8, false},
      {"9", none, CalcKey::SpeedButtonZiffer9, false},
      {",.", none, CalcKey::SpeedButtonKomma, false},
      {"+", none, CalcKey::SpeedButtonPlus, false},
      {"-", none, CalcKey::SpeedButtonMinus, false},
      {"*", none, CalcKey::SpeedButtonMal, false},
      {"/", none, CalcKey::SpeedButtonDurch, false},
      {"^", none, CalcKey::SpeedButtonXhochy, false},
      {"!", none, CalcKey::SpeedButtonXFak, false},
      {"=", Qt::Key_Return, CalcKey::SpeedButtonIstGleich, false},
      {"", Qt::Key_Enter, CalcKey::SpeedButtonIstGleich, false},
      {"", Qt::Key_Escape, CalcKey::SpeedButtonCE, false},
      {"_", none, CalcKey::SpeedButtonPlusMinus, false},
      {"i", none, CalcKey::SpeedButtonShift, false},
      {"h", none, CalcKey::SpeedButtonHyp, false},
      {"x", none, CalcKey::SpeedButtonExp, false},
      {"d", none, CalcKey::SpeedButtonDRG, false},
      {"r", none, CalcKey::SpeedButtonX_1, true},
      {"q", none, CalcKey::SpeedButtonX_2, true},
      {"@", none, CalcKey::SpeedButtonW_2, true},
      {"n", none, CalcKey::SpeedButtonLn, true},
      {"l", none, CalcKey::SpeedButtonLg, true},
      {"p", none, CalcKey::SpeedButtonPi, true},
      {"s", none, CalcKey::SpeedButtonSin, true},
      {"o", none, CalcKey::SpeedButtonCos, true},
      {"t", none, CalcKey::SpeedButtonTan, true},
      {"", Qt::CTRL | Qt::Key_P, CalcKey::SpeedButtonMplus, false},
      {"", Qt::CTRL | Qt::Key_M, CalcKey::SpeedButtonMminus, false},
      {"", Qt::CTRL | Qt::Key_R, CalcKey::SpeedButtonMR, false},
      {"", Qt::CTRL | Qt::Key_L, CalcKey::SpeedButtonMC, false},
  };
  return rows;
}

std::optional<CalcKey> PadKeyFor(const QKeyEvent& e, bool shiftOn, bool hypOn) {
  // Ctrl or Alt alone make a character a command; both together are AltGr
  // on some systems, which types "@" on a German keyboard.
  const Qt::KeyboardModifiers mods = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const bool typing = mods == Qt::NoModifier || mods == (Qt::ControlModifier | Qt::AltModifier);
  const QString text = e.text();
  // Only printable ASCII names a key (strchr would find a 0 in every row).
  const QChar typed = typing && text.size() == 1 ? text.at(0).toLower() : QChar();
  const char ascii = typed.unicode() > 32 && typed.unicode() < 127 ? static_cast<char>(typed.unicode()) : '\0';
  const QKeyCombination pressed(e.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(e.key()));
  for (const PadKeyRow& row : PadKeys()) {
    const bool byCharacter = ascii != '\0' && std::strchr(row.characters, ascii) != nullptr;
    if (!byCharacter && !(row.key.key() != Qt::Key_unknown && row.key == pressed)) continue;
    const int cell = InfoOf(row.calcKey).layerCell;
    return row.followsLayer && cell >= 0 ? KeyOnTop(cell, shiftOn, hypOn) : row.calcKey;
  }
  return std::nullopt;
}

void TFormUC::InstallShortcuts() {
  for (const ShortcutRow& row : Shortcuts()) {
    auto* shortcut = new QShortcut(row.key, this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, [this, run = row.run] {
      const QWidget* focus = focusWidget();
      run(*this);
      // A shortcut that moves the keyboard shows where it went, as Tab does.
      if (focusWidget() != focus) ShowFocusHint();
    });
  }
}

void TFormUC::StepQuantity(int delta) {
  const int position = listBoxUC_->currentRow() + delta;
  if (position < 0 || position >= listBoxUC_->count()) return;
  // The list reports a new current row as the user's choice, which runs the
  // category change of a click.
  listBoxUC_->setCurrentRow(position);
}

void TFormUC::StepUnit(Side side, int delta) {
  const CategoryEntry* category = UnitCatalogue::Category(converter_->State().CurrentCategory);
  if (category == nullptr) return;
  const UnitRow row = (side == Side::V ? converter_->State().RowV : converter_->State().RowN) + delta;
  if (row < 0 || row >= category->unitCount) return;
  PickRow(side, row);
}

void TFormUC::PickRow(Side side, UnitRow row) {
  ImageMouseDown(side, row * kRowPitch);
  ImageMouseUp();
}

void TFormUC::PickUnit(CategoryId category, UnitRow row, Side side) {
  if (category != converter_->State().CurrentCategory) {
    const int position = ListPositionOf(category, languageFlag_);
    if (position < 0) return;
    listBoxUC_->setCurrentRow(position);
  }
  PickRow(side, row);
}

void TFormUC::BringCalculatorToFront() {
  if (!speedButtonRechner_->isChecked()) speedButtonRechner_->click();
}

void TFormUC::BringInfoToFront() {
  if (!speedButtonInfo_->isChecked()) speedButtonInfo_->click();
}

void TFormUC::BringBannerToFront() {
  // Releasing the pressed panel button shows the banner, as a second click
  // on it would; with no button down only the start-up's calculator can be
  // in front of it.
  if (speedButtonRechner_->isChecked()) {
    speedButtonRechner_->click();
  } else if (speedButtonInfo_->isChecked()) {
    speedButtonInfo_->click();
  } else {
    RaisePanel(panelReklame_);
  }
}

void TFormUC::FocusCalculatorPad() {
  if (FrontPanel() == panelRechner_) panelRechner_->FocusPad();
}

void TFormUC::ScrollInfoText(int pages) {
  if (FrontPanel() != panelInfo_ || memoInfo1_ == nullptr) return;
  QScrollBar* bar = (languageFlag_ ? memoInfo1_ : memoInfo2_)->verticalScrollBar();
  bar->triggerAction(pages < 0 ? QAbstractSlider::SliderPageStepSub : QAbstractSlider::SliderPageStepAdd);
}

void TFormUC::QuitByKeyboard() { speedButtonEnd_->click(); }

void TFormUC::SwitchLanguage() { (languageFlag_ ? speedButtonE_ : speedButtonD_)->click(); }

}  // namespace umrido::ui
