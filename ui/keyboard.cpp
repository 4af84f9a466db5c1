// Keyboard shortcuts and the keyboard forms of the list and selector
// gestures.
#include "keyboard.h"

#include <QShortcut>
#include <QToolButton>

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
      {QKeySequence(Qt::Key_F2), [](TFormUC& f) { f.BringCalculatorToFront(); }},
      {QKeySequence(Qt::Key_F3), [](TFormUC& f) { f.ShowUnitFinder(); }},
      {QKeySequence(Qt::Key_F4), [](TFormUC& f) { f.BringBannerToFront(); }},
      {QKeySequence(Qt::Key_F5), [](TFormUC& f) { f.SpeedButtonSwapClick(); }},
      {QKeySequence(Qt::Key_F6), [](TFormUC& f) { f.SpeedButtonInsertVClick(); }},
      {QKeySequence(Qt::Key_F7), [](TFormUC& f) { f.SpeedButtonCopyNClick(); }},
      {QKeySequence(Qt::Key_F8), [](TFormUC& f) { f.SwitchLanguage(); }},
  };
  return rows;
}

void TFormUC::InstallShortcuts() {
  for (const ShortcutRow& row : Shortcuts()) {
    auto* shortcut = new QShortcut(row.key, this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, [this, run = row.run] { run(*this); });
  }
}

void TFormUC::StepQuantity(int delta) {
  const int position = listBoxUC_->CurrentRow() + delta;
  if (position < 0 || position >= listBoxUC_->Count()) return;
  // The list reports a new current row as the user's choice, which runs the
  // category change of a click.
  listBoxUC_->SetCurrentRow(position);
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
    listBoxUC_->Choose(position);
  }
  PickRow(side, row);
  // As after a list click: the next digit typed replaces the value.
  converter_->EditVFocus(true);
  MirrorConverter();
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

void TFormUC::SwitchLanguage() { (languageFlag_ ? speedButtonE_ : speedButtonD_)->click(); }

}  // namespace umrido::ui
