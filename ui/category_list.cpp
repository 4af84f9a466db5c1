#include "category_list.h"

#include <QMouseEvent>

namespace umrido::ui {

namespace {

constexpr int kEntryHeight = 16;

}  // namespace

CategoryList::CategoryList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Entries of one height: the view lays out the 51 entries without asking
  // each for its size.
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTextElideMode(Qt::ElideRight);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (quiet_ || row < 0) return;
    if (pressed_) pressChangedRow_ = true;
    emit userSelected(row);
  });
}

void CategoryList::SetCount(int count) {
  clear();
  for (int i = 0; i < count; ++i) {
    auto* item = new QListWidgetItem(this);
    item->setSizeHint(QSize(0, kEntryHeight));
  }
}

void CategoryList::SetRowQuietly(int row) {
  quiet_ = true;
  setCurrentRow(row);
  if (row < 0) clearSelection();
  quiet_ = false;
}

void CategoryList::mousePressEvent(QMouseEvent* e) {
  pressed_ = true;
  pressChangedRow_ = false;
  QListWidget::mousePressEvent(e);
}

void CategoryList::mouseReleaseEvent(QMouseEvent* e) {
  const bool changed = pressChangedRow_;
  pressed_ = false;
  pressChangedRow_ = false;
  QListWidget::mouseReleaseEvent(e);
  // A click on the entry already selected changes no row but still counts
  // as choosing it again.
  const QModelIndex index = indexAt(e->position().toPoint());
  if (!changed && e->button() == Qt::LeftButton && index.isValid() && index.row() == currentRow()) {
    emit userSelected(index.row());
  }
}

}  // namespace umrido::ui
