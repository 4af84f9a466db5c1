#include "category_list.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace umrido::ui {

CategoryList::CategoryList(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  verticalScrollBar()->setSingleStep(1);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
}

void CategoryList::SetCount(int count) {
  texts_ = QStringList(std::max(count, 0), QString());
  if (current_ >= Count()) current_ = -1;
  UpdateScrollRange();
  viewport()->update();
}

void CategoryList::SetText(int row, const QString& text) {
  if (row < 0 || row >= Count() || texts_[row] == text) return;
  texts_[row] = text;
  viewport()->update(RowRect(row));
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
  }
}

QString CategoryList::Text(int row) const { return row >= 0 && row < Count() ? texts_[row] : QString(); }

void CategoryList::SetCurrentRow(int row) { Select(row, false); }

void CategoryList::SetRowQuietly(int row) { Select(row, true); }

void CategoryList::Choose(int row) {
  if (row < 0 || row >= Count()) return;
  if (row == current_) {
    emit userSelected(row);
  } else {
    Select(row, false);
  }
}

void CategoryList::Select(int row, bool quiet) {
  if (row < -1 || row >= Count() || row == current_) return;
  if (current_ >= 0) viewport()->update(RowRect(current_));
  current_ = row;
  if (row < 0) return;
  viewport()->update(RowRect(row));
  if (isVisible()) {
    ScrollTo(row);
  } else {
    scrollOnShow_ = true;
  }
  if (QAccessible::isActive()) {
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
      QAccessibleEvent focus(this, QAccessible::Focus);
      focus.setChild(row);
      QAccessible::updateAccessibility(&focus);
    }
  }
  if (quiet) return;
  if (pressed_) pressChangedRow_ = true;
  emit userSelected(row);
}

QRect CategoryList::RowRect(int row) const {
  return {0, (row - verticalScrollBar()->value()) * kEntryHeight, viewport()->width(), kEntryHeight};
}

int CategoryList::RowAt(int y) const {
  if (y < 0 || y >= viewport()->height()) return -1;
  const int row = verticalScrollBar()->value() + y / kEntryHeight;
  return row < Count() ? row : -1;
}

int CategoryList::FullRows() const { return std::max(1, viewport()->height() / kEntryHeight); }

void CategoryList::ScrollTo(int row) {
  if (row < 0 || row >= Count()) return;
  QScrollBar* bar = verticalScrollBar();
  if (row < bar->value()) {
    bar->setValue(row);
  } else if (row >= bar->value() + FullRows()) {
    bar->setValue(row - FullRows() + 1);
  }
}

void CategoryList::UpdateScrollRange() {
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(FullRows());
  bar->setRange(0, std::max(0, Count() - FullRows()));
}

void CategoryList::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollRange();
}

void CategoryList::showEvent(QShowEvent* e) {
  QAbstractScrollArea::showEvent(e);
  // A selection made while hidden shows once the list has its size.
  UpdateScrollRange();
  if (scrollOnShow_) ScrollTo(current_);
  scrollOnShow_ = false;
}

void CategoryList::paintEvent(QPaintEvent* e) {
  QPainter painter(viewport());
  // As an item view prepares its entries for the style.
  QStyleOptionViewItem option;
  option.initFrom(this);
  option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
  if (!hasFocus()) option.state &= ~QStyle::State_Active;
  option.font = font();
  option.fontMetrics = fontMetrics();
  const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  option.decorationSize = QSize(icon, icon);
  option.decorationPosition = QStyleOptionViewItem::Left;
  option.decorationAlignment = Qt::AlignCenter;
  option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.textElideMode = Qt::ElideRight;
  option.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
  option.locale = locale();
  option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
  option.widget = this;
  option.features = QStyleOptionViewItem::HasDisplay;
  option.palette.setCurrentColorGroup(isEnabled() ? QPalette::Normal : QPalette::Disabled);
  const QStyle::State state = option.state;

  const int first = verticalScrollBar()->value() + e->rect().top() / kEntryHeight;
  for (int row = std::max(first, 0); row < Count(); ++row) {
    const QRect rect = RowRect(row);
    if (rect.top() > e->rect().bottom()) break;
    option.rect = rect;
    option.text = texts_[row];
    option.state = state;
    if (row == current_) {
      option.state |= QStyle::State_Selected;
      if (hasFocus()) option.state |= QStyle::State_HasFocus;
    }
    style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
  }
}

void CategoryList::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void CategoryList::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

void CategoryList::mousePressEvent(QMouseEvent* e) {
  pressed_ = true;
  pressChangedRow_ = false;
  const int row = RowAt(e->position().toPoint().y());
  if (row >= 0) Select(row, false);
  e->accept();
}

void CategoryList::mouseMoveEvent(QMouseEvent* e) {
  if (!pressed_ || e->buttons() == Qt::NoButton) return;
  // Dragging with a button held moves the selection along, scrolling at the
  // edges.
  const int y = e->position().toPoint().y();
  QScrollBar* bar = verticalScrollBar();
  int row = RowAt(y);
  if (y < 0) {
    row = bar->value() - 1;
  } else if (y >= viewport()->height()) {
    row = bar->value() + FullRows();
  }
  if (row >= 0 && row < Count()) Select(row, false);
  e->accept();
}

void CategoryList::mouseReleaseEvent(QMouseEvent* e) {
  const bool changed = pressChangedRow_;
  pressed_ = false;
  pressChangedRow_ = false;
  // A click on the entry already selected changes no row but still counts
  // as choosing it again.
  const int row = RowAt(e->position().toPoint().y());
  if (!changed && e->button() == Qt::LeftButton && row >= 0 && row == current_) emit userSelected(row);
  e->accept();
}

void CategoryList::mouseDoubleClickEvent(QMouseEvent* e) {
  // A quick second click is a press like any other.
  mousePressEvent(e);
}

}  // namespace umrido::ui
