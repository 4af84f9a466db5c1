// A single-line field whose text belongs to an engine: key presses, key
// releases and focus changes go out as signals instead of editing the text.
// Only caret movement and selection (arrows, Home/End, shift, mouse) are left
// to QLineEdit; the owner reports the new selection to its engine and writes
// the engine's text back.
#pragma once

#include <QLineEdit>
#include <QPair>

namespace umrido::ui {

class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FieldEdit(QWidget* parent = nullptr);

  // Whether `e` only moves the caret or the selection.
  static bool IsNavigation(const QKeyEvent* e);

  // True while the field is losing the focus: QLineEdit then drops its
  // selection on its own, which is no choice of the user's.
  bool LosingFocus() const { return losingFocus_; }

  // The selection as (start, length); a caret is a selection of length 0.
  QPair<int, int> Selection() const;

  // Shows `text` with the given selection without passing through the
  // owner again (signals are blocked meanwhile). Without the focus
  // the field shows the caret at `selStart` and no selection.
  void Mirror(const QString& text, int selStart, int selLength);

 signals:
  // A key press arrives ignored; a receiver that deals with the key accepts
  // it. One left ignored may move the caret or selection (nothing else:
  // QLineEdit never edits here).
  void keyPressed(QKeyEvent* e);
  void keyReleased(QKeyEvent* e);
  void focusEntered(Qt::FocusReason reason);
  void focusLeft(Qt::FocusReason reason);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  bool losingFocus_ = false;
};

}  // namespace umrido::ui
