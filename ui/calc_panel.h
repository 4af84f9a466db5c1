// The calculator panel `PanelRechner`: the display `EditCalc` with its
// indicator strip, the heading with the two clipboard keys, and the pad.
// It only shows the engine's state; every key goes to the window.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>

#include <array>

#include "calc_engine.h"
#include "field_edit.h"
#include "panels.h"

namespace umrido::ui {

// A pad key: a painted face, no caption. No click gives it the keyboard
// focus and Tab passes it by (the window sees to that); the panel gives it,
// for the keyboard's way to the pad, and the key then shows a ring.
class PadKey : public QAbstractButton {
  Q_OBJECT

 public:
  PadKey(QWidget* parent, CalcKey key);
  CalcKey Key() const { return key_; }
  QSize sizeHint() const override { return {kPadKeyWidth, kPadKeyHeight}; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  CalcKey key_;
  QPixmap face_;  // drawn for the screen's pixel ratio, redrawn when it changes
};

class CalcPanel : public Panel {
  Q_OBJECT

 public:
  static constexpr QRect kGeometry{407, 55, 210, 347};

  // Makes the heading and the display only: the display is in the keyboard
  // order from the start, the rest waits for BuildPad.
  explicit CalcPanel(QWidget* parent);

  // Makes the keys and the indicator strip, which a user meets only with the
  // panel in front (most starts never bring it there). Once only.
  void BuildPad();
  bool HasPad() const { return strip_ != nullptr; }

  FieldEdit* Display() const { return editCalc_; }
  QLabel* Heading() const { return labelCalc_; }
  QWidget* IndicatorStrip() const { return strip_; }
  // Null until the pad is built.
  QAbstractButton* Button(CalcKey key) const { return buttons_[static_cast<std::size_t>(key)]; }

  // Gives the clipboard keys their pictures (those of the header's keys).
  void SetClipboardGlyphs(const QIcon& paste, const QIcon& copy);
  // Draws the indicator bands for the screen's pixel ratio.
  void DrawIndicators(qreal dpr);

  // Shows the layer flags and angle mode: indicator bands and the keys on top
  // of the stacked cells. The display is mirrored by the window. A ringed
  // key that goes under hands the ring to the one now on top of its cell.
  void ShowModes(const CalcState& state);

  // The keyboard's way to the pad: the key on top of the ringed cell takes
  // the focus. Arrows then move the ring over the 5 x 7 cells, Space presses
  // the ringed key, the PadKeys() table presses the others.
  void FocusPad();
  bool PadHasFocus() const;
  bool IsPadKey(const QWidget* w) const;
  // True while a key is pressed from the keyboard: the pad keeps the focus
  // that a click would hand to the display.
  bool PressingFromKeyboard() const { return keyboardPress_; }

 signals:
  // Any key of the panel was clicked, the clipboard keys included.
  void keyClicked(CalcKey key);
  // The focus went from the pad to a control outside the calculator.
  void padFocusLeft();

 private:
  friend class PadKey;
  void PadKeyPress(QKeyEvent* e);
  void PadKeyFocusOut(Qt::FocusReason reason);
  // The key on top of the cell at `row`, `column`.
  QAbstractButton* KeyAt(int row, int column) const;
  void MoveRing(int rows, int columns);

  int ringRow_ = 0;
  int ringColumn_ = 0;
  bool shiftOn_ = false;
  bool hypOn_ = false;
  bool keyboardPress_ = false;
  FieldEdit* editCalc_;
  QLabel* labelCalc_;
  QWidget* strip_ = nullptr;
  QLabel* imageShift_ = nullptr;
  QLabel* imageHyp_ = nullptr;
  QLabel* imageDRG_ = nullptr;
  std::array<QAbstractButton*, kCalcKeyCount> buttons_{};
};

}  // namespace umrido::ui
