#include "status_hint.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace umrido::ui {

void SetHint(QWidget* w, const QString& hint, const QString& accessibleName) {
  w->setProperty(kHintProperty, hint);
  w->setAccessibleName(accessibleName.isEmpty() ? hint : accessibleName);
}

QString HintOf(const QWidget* w) { return w->property(kHintProperty).toString(); }

StatusHintHandler::StatusHintHandler(QLabel* statusLine, QObject* parent) : QObject(parent), statusLine_(statusLine) {}

void StatusHintHandler::SetHovered(QWidget* w) {
  hovered_ = w;
  Refresh();
}

void StatusHintHandler::Refresh() {
  if (!statusLine_) return;
  // A control without a hint of its own shows the hint of the control that
  // holds it (a label inside its frame); panels carry none, so the line
  // stays empty over everything else.
  QString hint;
  for (QWidget* w = hovered_; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    hint = HintOf(w);
    if (!hint.isEmpty()) break;
  }
  if (statusLine_->text() != hint) statusLine_->setText(hint);
}

bool StatusHintHandler::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      if (watched->property(kOwnToolTips).toBool()) break;
      return true;
    case QEvent::StatusTip:
    case QEvent::WhatsThis:
      return true;  // hints go to the status line only
    case QEvent::Enter:
      // Enter arrives for each control from the outermost to the one under
      // the pointer, so the last one wins.
      if (watched->isWidgetType()) SetHovered(static_cast<QWidget*>(watched));
      break;
    case QEvent::Leave:
      // Leaving a control puts the pointer onto the one holding it (entering
      // a sibling follows with its own Enter).
      if (watched->isWidgetType() && watched == hovered_) {
        QWidget* w = static_cast<QWidget*>(watched);
        SetHovered(w->isWindow() ? nullptr : w->parentWidget());
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace umrido::ui
