#include "status_hint.h"

#include <QWidget>

namespace umrido::ui {

void SetHint(QWidget* w, const QString& hint, const QString& accessibleName) {
  w->setStatusTip(hint);
  w->setAccessibleName(accessibleName.isEmpty() ? hint : accessibleName);
}

QString HintOf(const QWidget* w) { return w->statusTip(); }

QString HoveredHint(const QWidget& window) {
  // Qt marks every control the pointer is in, from the window down to the
  // innermost one; the innermost with a hint is the one whose hint shows (a
  // label inside its frame shows the frame's). Panels carry no hint.
  const QWidget* hovered = nullptr;
  int hoveredDepth = -1;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->underMouse() || !w->isVisible() || w->window() != &window || w->statusTip().isEmpty()) continue;
    int depth = 0;
    for (const QWidget* p = w; p != &window; p = p->parentWidget()) ++depth;
    if (depth > hoveredDepth) {
      hovered = w;
      hoveredDepth = depth;
    }
  }
  return hovered != nullptr ? hovered->statusTip() : QString();
}

}  // namespace umrido::ui
