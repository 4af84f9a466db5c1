// Hints in the status line instead of tool-tip windows. A control's hint is
// its status tip: Qt sends it up to the window when the pointer enters the
// control (and an empty one when it leaves), and the window shows it.
#pragma once

#include <QString>

class QWidget;

namespace umrido::ui {

// Sets `w`'s hint and, as screen readers want a name, its accessible name.
// `accessibleName` replaces the hint there when given.
void SetHint(QWidget* w, const QString& hint, const QString& accessibleName = QString());
QString HintOf(const QWidget* w);

// The hint of the control under the pointer in `window`, empty if none.
QString HoveredHint(const QWidget& window);

}  // namespace umrido::ui
