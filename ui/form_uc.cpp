// The window's actions: each turns one user gesture into engine calls and
// mirrors the result on screen.
#include "form_uc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>

#include "accessibility.h"
#include "artwork.h"
#include "baked.h"
#include "calc_panel.h"
#include "category_list.h"
#include "field_edit.h"
#include "panels.h"
#include "status_hint.h"
#include "texts.h"
#include "unit_strip.h"

namespace umrido::ui {

namespace {

void MirrorField(FieldEdit& w, const TextField& f) {
  const QString text = QString::fromStdString(f.Text());
  // The engine counts characters; so does QString for every text these
  // fields can hold.
  w.Mirror(text, f.SelStart(), f.SelLength());
}

// The character a key event types, if any.
std::optional<char32_t> TypedCharacter(const QKeyEvent* e) {
  if (e->key() == Qt::Key_Backspace) return kBackspace;
  const QList<uint> ucs = e->text().toUcs4();
  if (ucs.isEmpty()) return std::nullopt;
  return static_cast<char32_t>(ucs.first());
}

bool IsFocusFromElsewhere(Qt::FocusReason reason) {
  // Window (de)activation and popups leave the focus where it was as far as
  // the fields are concerned.
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

// ---------------------------------------------------------------- converter

void TFormUC::ListBoxUCClick(int position) {
  converter_->ListBoxUCClick(position);
  LabelTextSchreiben();
  PanelUnitHoeheAnpassen();
  if (QListWidgetItem* item = listBoxUC_->item(position)) labelUnit_->setText(item->text());
  MirrorConverter();
}

void TFormUC::ImageMouseDown(Side side, int y) {
  converter_->ImageMouseDown(side, y);
  MirrorConverter();
}

void TFormUC::ImageMouseUp() {
  converter_->ImageMouseUp();
  MirrorConverter();
}

void TFormUC::SpeedButtonSwapClick() {
  converter_->SpeedButtonSwapClick();
  MirrorConverter();
}

void TFormUC::SpeedButtonInsertVClick() {
  converter_->SpeedButtonInsertVClick(clipboard_);
  MirrorConverter();
}

void TFormUC::SpeedButtonCopyNClick() {
  converter_->SpeedButtonCopyNClick(clipboard_);
  MirrorConverter();
}

bool TFormUC::EditVKey(QKeyEvent* e) {
  if (e->matches(QKeySequence::Paste)) {
    converter_->EditVPaste(clipboard_);
  } else if (e->matches(QKeySequence::Cut)) {
    converter_->EditVCut(clipboard_);
  } else if (e->matches(QKeySequence::Copy)) {
    if (editV_->hasSelectedText()) clipboard_.WriteText(editV_->selectedText().toStdString());
  } else if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
    // The field keeps no history of its own.
  } else if (e->key() == Qt::Key_Delete) {
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) converter_->EditVDeleteKey();
  } else if (FieldEdit::IsNavigation(e)) {
    return false;
  } else if (const auto c = TypedCharacter(e)) {
    converter_->EditVKeyPress(*c);
  } else {
    return false;
  }
  MirrorConverter();
  return true;
}

bool TFormUC::EditNKey(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy)) {
    if (editN_->hasSelectedText()) clipboard_.WriteText(editN_->selectedText().toStdString());
    return true;
  }
  // Read-only: only the caret and selection move.
  return !FieldEdit::IsNavigation(e);
}

void TFormUC::EditVFocusIn(Qt::FocusReason reason) {
  if (!converter_->EditV().HasFocus() && reason != Qt::PopupFocusReason) {
    converter_->EditVFocus(reason != Qt::MouseFocusReason);
  }
  MirrorConverter();
}

void TFormUC::EditNFocusIn(Qt::FocusReason reason) {
  if (!converter_->EditN().HasFocus() && reason != Qt::PopupFocusReason) {
    converter_->EditNFocus(reason != Qt::MouseFocusReason);
  }
  MirrorConverter();
}

// --------------------------------------------------------------- calculator

void TFormUC::CalcKeyClick(CalcKey key) {
  calculator_->Press(key, clipboard_);
  MirrorCalculator();
}

bool TFormUC::EditCalcKey(QKeyEvent* e) {
  FieldEdit* display = panelRechner_->Display();
  if (e->matches(QKeySequence::Copy)) {
    // Copying changes nothing in the display, so the engine need not know.
    if (display->hasSelectedText()) clipboard_.WriteText(display->selectedText().toStdString());
    return true;
  }
  if (e->key() == Qt::Key_Delete) {
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) calculator_->EditCalcDelete();
  } else if (FieldEdit::IsNavigation(e)) {
    return false;
  } else if (const auto c = TypedCharacter(e)) {
    // Paste, cut and undo shortcuts arrive as control characters, which the
    // engine drops: the display takes clipboard text by its paste key only.
    calculator_->EditCalcKeyPress(*c);
  } else {
    return false;
  }
  MirrorCalculator();
  return true;
}

void TFormUC::EditCalcKeyUp(QKeyEvent* e) {
  // A held key repeats its press but is released once.
  if (e->isAutoRepeat() || !calculator_->Display().HasFocus()) return;
  calculator_->EditCalcKeyUp();
  MirrorCalculator();
}

void TFormUC::EditCalcFocusIn(Qt::FocusReason reason) {
  FieldEdit* display = panelRechner_->Display();
  if (!calculator_->Display().HasFocus()) {
    if (reason == Qt::MouseFocusReason) {
      calculator_->DisplayClicked(display->cursorPosition());
    } else {
      calculator_->DisplayFocusFromOtherControl();
    }
  }
  MirrorCalculator();
}

// -------------------------------------------------------- focus and mirrors

void TFormUC::FieldFocusOut(QWidget* field, Qt::FocusReason reason) {
  if (!IsFocusFromElsewhere(reason)) return;
  if (field == editV_) {
    if (converter_->EditV().HasFocus()) converter_->EditVBlur();
  } else if (field == editN_) {
    if (converter_->EditN().HasFocus()) converter_->EditNBlur();
  } else if (calculator_->Display().HasFocus() && !panelRechner_->IsPadKey(QApplication::focusWidget())) {
    // The pad is the keyboard's hand on the calculator: moving there is no
    // more leaving the display than a click on a key is.
    calculator_->DisplayFocusLost();
  }
}

bool TFormUC::TabFocus(bool next) {
  // Tab passes the pad's keys by: they take the focus from F2 and the arrows
  // only, and the pad counts as lying just after the display.
  QWidget* from = QApplication::focusWidget();
  if (from == nullptr || from->window() != this) return QWidget::focusNextPrevChild(next);
  if (panelRechner_->IsPadKey(from)) {
    from = panelRechner_->Display();
    if (!next) {
      from->setFocus(Qt::BacktabFocusReason);
      return true;
    }
  }
  QWidget* w = from;
  do {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !panelRechner_->IsPadKey(w)) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  } while (w != from);
  return false;
}

void TFormUC::PadFocusLeft() {
  if (calculator_->Display().HasFocus()) calculator_->DisplayFocusLost();
}

void TFormUC::FieldSelectionMoved(QWidget* field) {
  auto* edit = static_cast<FieldEdit*>(field);
  if (mirroring_ || edit->LosingFocus()) return;
  const auto [start, length] = edit->Selection();
  if (field == editV_) {
    converter_->EditVSetSelection(start, length);
  } else if (field == editN_) {
    converter_->EditNSetSelection(start, length);
  } else {
    calculator_->DisplaySelectionChanged(start, length);
  }
}

void TFormUC::MirrorConverter() {
  mirroring_ = true;
  // Focus first: a field taking the focus may touch its selection, which
  // the engine's then overrides.
  const bool focusV = converter_->EditV().HasFocus();
  if (focusV || converter_->EditN().HasFocus()) {
    FieldEdit& target = focusV ? *editV_ : *editN_;
    if (focusWidget() != &target) {
      if (calculator_->Display().HasFocus()) calculator_->DisplayFocusLost();
      target.setFocus(Qt::OtherFocusReason);
    }
  }
  MirrorField(*editV_, converter_->EditV());
  MirrorField(*editN_, converter_->EditN());
  labelV_->setText(QString::fromStdString(converter_->LabelV()));
  labelN_->setText(QString::fromStdString(converter_->LabelN()));
  panelUnit_->SetMarkers(converter_->State().RowV, converter_->State().RowN);
  mirroring_ = false;
}

void TFormUC::MirrorCalculator() {
  mirroring_ = true;
  FieldEdit* display = panelRechner_->Display();
  // A key pressed from the keyboard leaves the focus on the pad; a click
  // hands it to the display, as it always did.
  const bool padKeeps = panelRechner_->PressingFromKeyboard() && panelRechner_->PadHasFocus();
  if (calculator_->Display().HasFocus() && focusWidget() != display && !padKeeps) {
    if (converter_->EditV().HasFocus()) converter_->EditVBlur();
    if (converter_->EditN().HasFocus()) converter_->EditNBlur();
    display->setFocus(Qt::OtherFocusReason);
  }
  MirrorField(*display, calculator_->Display());
  panelRechner_->ShowModes(calculator_->State());
  mirroring_ = false;
}

// ------------------------------------------------------------ strip, texts

void TFormUC::LabelTextSchreiben() {
  const CategoryEntry* category = UnitCatalogue::Category(converter_->State().CurrentCategory);
  if (category == nullptr) return;
  // Rows beyond the unit count keep their old texts, out of sight.
  for (int r = 0; r < category->unitCount; ++r) {
    const UnitEntry& unit = category->units[r];
    panelUnit_->SetRow(r, FromUtf8(unit.Symbol(languageFlag_)), FromUtf8(unit.Name(languageFlag_)));
  }
  AnnounceUnitsRewritten(panelUnit_);
  RefreshHint();
}

void TFormUC::PanelUnitHoeheAnpassen() {
  const CategoryEntry* category = UnitCatalogue::Category(converter_->State().CurrentCategory);
  const int height = category != nullptr ? category->stripHeight : UnitStrip::kInitialHeight;
  panelUnit_->SetStripHeight(height);
  imageBack_->SetStripHeight(height);
}

void TFormUC::AlleTexteSchreiben() {
  setWindowTitle(kWindowTitle.Get(languageFlag_));
  panelRechner_->Heading()->setText(kLabelCalc.Get(languageFlag_));
  panelRechner_->Display()->setAccessibleName(kLabelCalc.Get(languageFlag_));
  WriteHints(*this);
  // Both selectors carry the one hint; screen readers hear them as groups
  // named by their side.
  const QString selectorHint = HintOf(panelUnit_->Selector(Side::V));
  for (Side side : {Side::V, Side::N}) {
    SetHint(panelUnit_->Selector(side), selectorHint, SelectorGroupName(side, languageFlag_));
  }

  for (int p = 0; p < kCategoryCount; ++p) {
    const CategoryEntry* category = UnitCatalogue::Category(CategoryAtListPosition(p, languageFlag_));
    if (category != nullptr) listBoxUC_->item(p)->setText(FromUtf8(category->Name(languageFlag_)));
  }

  ShowInfoText();

  if (QListWidgetItem* item = listBoxUC_->currentItem()) labelUnit_->setText(item->text());
  RefreshHint();
}

// ------------------------------------------------------- language, panels

void TFormUC::SpeedButtonDClick() {
  speedButtonD_->setChecked(true);
  speedButtonE_->setChecked(false);
  if (languageFlag_) return;
  languageFlag_ = true;
  converter_->SetLanguage(true);
  calculator_->SetLanguage(true);
  // Not the user's choice: no category change, nothing converted again.
  listBoxUC_->SetRowQuietly(ListPositionOf(CategoryAtListPosition(listBoxUC_->currentRow(), false), true));
  AlleTexteSchreiben();
  LabelTextSchreiben();
}

void TFormUC::SpeedButtonEClick() {
  speedButtonE_->setChecked(true);
  speedButtonD_->setChecked(false);
  if (!languageFlag_) return;
  languageFlag_ = false;
  converter_->SetLanguage(false);
  calculator_->SetLanguage(false);
  listBoxUC_->SetRowQuietly(ListPositionOf(CategoryAtListPosition(listBoxUC_->currentRow(), true), false));
  AlleTexteSchreiben();
  LabelTextSchreiben();
}

void TFormUC::SpeedButtonRechnerClick() {
  // One of the pair may be down, or none.
  if (speedButtonRechner_->isChecked()) {
    speedButtonInfo_->setChecked(false);
    RaisePanel(panelRechner_);
  } else {
    RaisePanel(panelReklame_);
  }
}

void TFormUC::SpeedButtonInfoClick() {
  if (speedButtonInfo_->isChecked()) {
    speedButtonRechner_->setChecked(false);
    RaisePanel(panelInfo_);
  } else {
    RaisePanel(panelReklame_);
  }
}

void TFormUC::WriteHints(const QWidget& root) {
  for (const HintRow& row : ControlHints()) {
    if (auto* w = root.findChild<QWidget*>(QLatin1String(row.control))) SetHint(w, row.hint.Get(languageFlag_));
  }
}

void TFormUC::ShowHint(const QString& hint) {
  if (labelInfo_->text() != hint) labelInfo_->setText(hint);
}

void TFormUC::RefreshHint() { ShowHint(HoveredHint(*this)); }

void TFormUC::ShowFocusHint() { ShowHint(focusWidget() != nullptr ? HintOf(focusWidget()) : QString()); }

bool TFormUC::event(QEvent* e) {
  // Every status tip of the window's controls ends here.
  if (e->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QWidget::event(e);
}

bool TFormUC::focusNextPrevChild(bool next) {
  // Tab and Shift+Tab: the keyboard user learns what the new control is for
  // as a mouse user does by pointing at it.
  const bool moved = TabFocus(next);
  if (moved) ShowFocusHint();
  return moved;
}

void TFormUC::RaisePanel(QWidget* panel) {
  // The banner, the calculator's keys and the information texts are made
  // only once they first come to the front: a user may never look at them.
  if (panel == panelReklame_) EnsureBanner();
  if (panel == panelRechner_) EnsureCalculatorPad();
  if (panel == panelInfo_ && memoInfo1_ == nullptr) {
    BuildInfoTexts();
    ShowInfoText();
  }
  // Keystrokes must not change a calculator nobody sees: covered, it gives
  // the keyboard to the input field and hides, so neither Tab nor a screen
  // reader finds its display.
  if (panel != panelRechner_ && panelRechner_->isAncestorOf(QApplication::focusWidget())) {
    editV_->setFocus(Qt::OtherFocusReason);
  }
  panel->raise();
  panelRechner_->setVisible(panel == panelRechner_);
}

void TFormUC::EnsureBanner() {
  if (bannerDpr_ == dpr_) return;
  bannerDpr_ = dpr_;
  imageReklame_->setPixmap(art::Picture("banner", dpr_));
}

void TFormUC::EnsureCalculatorPad() {
  if (panelRechner_->HasPad()) return;
  panelRechner_->BuildPad();
  panelRechner_->SetClipboardGlyphs(speedButtonInsertV_->icon(), speedButtonCopyN_->icon());
  panelRechner_->DrawIndicators(dpr_);
  // Before the engines exist (a start with the calculator in front) the
  // start-up writes the hints and modes of every control itself.
  if (!calculator_) return;
  WriteHints(*panelRechner_);
  MirrorCalculator();
  RefreshHint();
}

void TFormUC::ShowInfoText() {
  if (memoInfo1_ == nullptr) return;
  QPlainTextEdit* front = languageFlag_ ? memoInfo1_ : memoInfo2_;
  QPlainTextEdit* back = languageFlag_ ? memoInfo2_ : memoInfo1_;
  front->raise();
  front->show();
  back->hide();
}

QWidget* TFormUC::FrontPanel() const {
  QWidget* front = nullptr;
  for (QObject* child : children()) {
    if (child == panelRechner_ || child == panelInfo_ || child == panelReklame_) front = static_cast<QWidget*>(child);
  }
  return front;
}

void TFormUC::SpeedButtonEndClick() { close(); }

void TFormUC::ImageReklameMouseUp(QPoint pos) {
  if (pos != art::kBannerToggleSpot) return;
  QMessageBox box(QMessageBox::Question, FromUtf8(kConfirmTitle),
                  BannerQuestionLines(bannerFirst_).join(QLatin1Char('\n')), QMessageBox::NoButton, this);
  box.setObjectName(QStringLiteral("BannerQuestion"));
  box.setTextFormat(Qt::PlainText);
  QPushButton* ok = box.addButton(FromUtf8(kConfirmOk), QMessageBox::AcceptRole);
  QPushButton* abort = box.addButton(FromUtf8(kConfirmAbort), QMessageBox::RejectRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(abort);
  box.exec();
  if (box.clickedButton() == ok) bannerFirst_ = !bannerFirst_;
}

}  // namespace umrido::ui
