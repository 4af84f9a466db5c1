// The quantity list. Tells the window about selections made by the user
// (mouse, keyboard or screen reader), once per gesture, and lets the program
// move the selection without that counting as the user's choice.
#pragma once

#include <QListWidget>

namespace umrido::ui {

class CategoryList : public QListWidget {
  Q_OBJECT

 public:
  explicit CategoryList(QWidget* parent = nullptr);

  // `count` entries, all empty.
  void SetCount(int count);
  // Moves the selection to `row` (-1: none) without emitting userSelected.
  void SetRowQuietly(int row);

 signals:
  // The user selected the entry at `row`, also by clicking the entry that was
  // already selected.
  void userSelected(int row);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool quiet_ = false;
  bool pressChangedRow_ = false;
  bool pressed_ = false;
};

}  // namespace umrido::ui
