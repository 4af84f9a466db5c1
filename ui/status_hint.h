// The status line: one application-wide event filter that shows the hint of
// the control under the pointer in a label, instead of tool-tip windows.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>

namespace umrido::ui {

// Hints live in this dynamic property of each control.
inline constexpr char kHintProperty[] = "umridoHint";
// A control with this property set shows tool tips of its own (cut-short
// texts shown whole); every other control's hints go to the status line.
inline constexpr char kOwnToolTips[] = "umridoOwnToolTips";

// Sets `w`'s hint and, as screen readers want a name, its accessible name.
// `accessibleName` replaces the hint there when given.
void SetHint(QWidget* w, const QString& hint, const QString& accessibleName = QString());
QString HintOf(const QWidget* w);

class StatusHintHandler : public QObject {
  Q_OBJECT

 public:
  explicit StatusHintHandler(QLabel* statusLine, QObject* parent = nullptr);

  // Shows the current hint of the control under the pointer again, e.g.
  // after the texts changed language.
  void Refresh();

  // The control the pointer rests on, as far as enter and leave tell.
  QWidget* Hovered() const { return hovered_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetHovered(QWidget* w);

  QPointer<QLabel> statusLine_;
  QPointer<QWidget> hovered_;
};

}  // namespace umrido::ui
