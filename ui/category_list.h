// The quantity list: one column of entries of equal height with a vertical
// scroll bar, one of them selected. Tells the window about selections made
// by the user (mouse or screen reader), once per gesture, and lets
// the program move the selection without that counting as the user's choice.
//
// It paints its entries itself, as the style draws the entries of an item
// view: the item-view classes would cost the start about a megabyte of
// memory for a list that never changes its length.
#pragma once

#include <QAbstractScrollArea>
#include <QStringList>

namespace umrido::ui {

class CategoryList : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kEntryHeight = 16;

  explicit CategoryList(QWidget* parent = nullptr);

  // `count` entries, all empty.
  void SetCount(int count);
  int Count() const { return static_cast<int>(texts_.size()); }
  void SetText(int row, const QString& text);
  QString Text(int row) const;

  // The selected entry, or -1.
  int CurrentRow() const { return current_; }
  // Selects `row` as the user would: userSelected when the row changes.
  void SetCurrentRow(int row);
  // Chooses `row` as a click on it does: selects it, or chooses it again when
  // it is already selected.
  void Choose(int row);
  // Moves the selection to `row` (-1: none) without emitting userSelected.
  void SetRowQuietly(int row);

  // The entry's rectangle on the viewport (it may lie outside it).
  QRect RowRect(int row) const;
  // The entry at `y` on the viewport, or -1.
  int RowAt(int y) const;
  // Scrolls as little as needed for the entry to show whole.
  void ScrollTo(int row);

 signals:
  // The user selected the entry at `row`, also by clicking the entry that was
  // already selected.
  void userSelected(int row);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  // Selects `row`; the user's choice unless quiet.
  void Select(int row, bool quiet);
  void UpdateScrollRange();
  int FullRows() const;

  QStringList texts_;
  int current_ = -1;
  bool pressed_ = false;
  bool pressChangedRow_ = false;
  bool scrollOnShow_ = false;  // selected while hidden, before the list had its size
};

}  // namespace umrido::ui
