#include "field_edit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

namespace umrido::ui {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  // Drops and the input method would change the text behind the engine's back.
  setDragEnabled(false);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setContextMenuPolicy(Qt::NoContextMenu);
}

bool FieldEdit::IsNavigation(const QKeyEvent* e) {
  static const QKeySequence::StandardKey kMoves[] = {
      QKeySequence::MoveToNextChar,
      QKeySequence::MoveToPreviousChar,
      QKeySequence::MoveToNextWord,
      QKeySequence::MoveToPreviousWord,
      QKeySequence::MoveToStartOfLine,
      QKeySequence::MoveToEndOfLine,
      QKeySequence::MoveToStartOfBlock,
      QKeySequence::MoveToEndOfBlock,
      QKeySequence::MoveToStartOfDocument,
      QKeySequence::MoveToEndOfDocument,
      QKeySequence::SelectNextChar,
      QKeySequence::SelectPreviousChar,
      QKeySequence::SelectNextWord,
      QKeySequence::SelectPreviousWord,
      QKeySequence::SelectStartOfLine,
      QKeySequence::SelectEndOfLine,
      QKeySequence::SelectStartOfBlock,
      QKeySequence::SelectEndOfBlock,
      QKeySequence::SelectStartOfDocument,
      QKeySequence::SelectEndOfDocument,
      QKeySequence::SelectAll,
      QKeySequence::Deselect,
  };
  for (QKeySequence::StandardKey k : kMoves) {
    if (e->matches(k)) return true;
  }
  switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
  e->ignore();
  emit keyPressed(e);
  if (e->isAccepted()) return;
  if (IsNavigation(e)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  // Enter, Escape and the like: not ours to edit with, but the window may
  // still want them (nothing does today).
  e->ignore();
}

void FieldEdit::keyReleaseEvent(QKeyEvent* e) {
  emit keyReleased(e);
  QLineEdit::keyReleaseEvent(e);
}

void FieldEdit::focusInEvent(QFocusEvent* e) {
  // QLineEdit's own select-on-tab is replaced by the engine's rule; the owner
  // writes the engine's selection back when told.
  QLineEdit::focusInEvent(e);
  emit focusEntered(e->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
  losingFocus_ = true;
  QLineEdit::focusOutEvent(e);
  losingFocus_ = false;
  emit focusLeft(e->reason());
}

void FieldEdit::mousePressEvent(QMouseEvent* e) {
  // The middle button would paste the X11 selection without asking anyone.
  if (e->button() == Qt::MiddleButton) {
    e->accept();
    return;
  }
  QLineEdit::mousePressEvent(e);
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::MiddleButton) {
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

QPair<int, int> FieldEdit::Selection() const {
  if (hasSelectedText()) return {selectionStart(), static_cast<int>(selectedText().size())};
  return {cursorPosition(), 0};
}

void FieldEdit::Mirror(const QString& text, int selStart, int selLength) {
  // Only the field with the focus shows its selection, so that the highlight
  // always says where typing goes. The engine keeps the selection, and the
  // owner writes it back here when the focus returns. The window's focus
  // widget, not hasFocus(), so that a window in the background keeps it shown.
  if (window()->focusWidget() != this) selLength = 0;
  const bool blocked = blockSignals(true);
  if (this->text() != text) setText(text);
  if (Selection() != qMakePair(selStart, selLength)) {
    if (selLength > 0) {
      setSelection(selStart, selLength);
    } else {
      deselect();
      setCursorPosition(selStart);
    }
  }
  blockSignals(blocked);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* e) { e->accept(); }

void FieldEdit::inputMethodEvent(QInputMethodEvent* e) { e->accept(); }

}  // namespace umrido::ui
