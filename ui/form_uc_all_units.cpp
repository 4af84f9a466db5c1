// The window's side of the all-units panel: bringing it to the front and
// back, the result field's context menu that leads there, and the panel's
// choices passed on as the engine calls of the gestures they stand for.
#include <QMenu>

#include "all_units_panel.h"
#include "calc_panel.h"
#include "field_edit.h"
#include "form_uc.h"
#include "status_hint.h"
#include "texts.h"

namespace umrido::ui {

void TFormUC::EnsureAllUnits() {
  if (allUnits_ != nullptr) return;
  allUnits_ = new AllUnitsPanel(this, *converter_, speedButtonCopyN_->icon());
  connect(allUnits_, &AllUnitsPanel::unitChosen, this, [this](int row) { PickRow(Side::N, row); });
  connect(allUnits_, &AllUnitsPanel::copyRequested, this,
          [this](const QString& text) { clipboard_.WriteText(text.toStdString()); });
  allUnits_->show();
}

void TFormUC::ShowAllUnits() {
  if (allUnits_ != nullptr && allUnits_->InFront()) return;
  // F9 again goes back to this panel with its button as it was; meanwhile
  // neither button is down, so either brings its panel forward at once.
  // (Asked before the panel is made, which puts it on top.)
  panelBeforeAllUnits_ = FrontPanel();
  EnsureAllUnits();
  rechnerDownBefore_ = speedButtonRechner_->isChecked();
  infoDownBefore_ = speedButtonInfo_->isChecked();
  speedButtonRechner_->setChecked(false);
  speedButtonInfo_->setChecked(false);
  RaisePanel(allUnits_);
  allUnits_->SetInFront(true);
}

void TFormUC::ToggleAllUnits() {
  if (allUnits_ == nullptr || !allUnits_->InFront()) {
    ShowAllUnits();
    return;
  }
  speedButtonRechner_->setChecked(rechnerDownBefore_);
  speedButtonInfo_->setChecked(infoDownBefore_);
  RaisePanel(panelBeforeAllUnits_ != nullptr ? panelBeforeAllUnits_.data() : panelReklame_);
}

void TFormUC::LeaveAllUnits() {
  if (allUnits_ == nullptr || !allUnits_->InFront()) return;
  // A table out of sight keeps no keyboard focus: it goes to the input.
  if (allUnits_->Table()->hasFocus()) editV_->setFocus(Qt::OtherFocusReason);
  allUnits_->SetInFront(false);
}

void TFormUC::InstallResultMenu() {
  editN_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editN_, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
    // Made anew each time: most users never open it.
    auto* menu = new QMenu(editN_);
    menu->setObjectName(QStringLiteral("EditNMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(HintOf(speedButtonCopyN_) + QStringLiteral("\tF7"), this, &TFormUC::SpeedButtonCopyNClick);
    menu->addSeparator();
    menu->addAction(kShowAllUnits.Get(languageFlag_) + QStringLiteral("\tF9"), this, &TFormUC::ShowAllUnits);
    menu->popup(editN_->mapToGlobal(pos));
  });
}

}  // namespace umrido::ui
