#include "all_units_panel.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>

#include "accessibility.h"
#include "artwork.h"
#include "status_hint.h"
#include "texts.h"

namespace umrido::ui {

namespace {

// The heading and copy key sit where the calculator has its own; the table
// takes the place of the information texts.
constexpr QRect kHeading{30, 4, 150, 24};
constexpr QRect kCopyKey{182, 4, 24, 24};
constexpr QRect kTable{4, 34, 199, 310};
constexpr int kValueWidth = 76;
constexpr int kSymbolMaxWidth = 62;
constexpr int kFontPixels = 11;

}  // namespace

// ------------------------------------------------------------------ model

AllUnitsModel::AllUnitsModel(const Converter& converter, QObject* parent)
    : QAbstractTableModel(parent), converter_(converter) {}

int AllUnitsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int AllUnitsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QString AllUnitsModel::Value(int row) const { return QString::fromStdString(converter_.ResultWithTarget(row)); }

QVariant AllUnitsModel::data(const QModelIndex& index, int role) const {
  const UnitEntry* unit = UnitCatalogue::Unit(category_, index.row());
  if (!index.isValid() || index.row() >= rows_ || unit == nullptr) return {};
  const int row = index.row();
  const bool marked = row == rowV_ || row == rowN_;
  switch (role) {
    case Qt::DisplayRole:
      // Worked out when asked for (painted or read out), always from the
      // converter as it stands: no copy of a value can go stale.
      if (index.column() == kValue) return Value(row);
      return FromUtf8(index.column() == kSymbol ? unit->Symbol(german_) : unit->Name(german_));
    case Qt::ToolTipRole:
      if (index.column() == kValue) return Value(row);
      return FromUtf8(unit->Name(german_));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue<Qt::Alignment>(Qt::AlignVCenter |
                                                (index.column() == kValue ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
      if (marked) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::DecorationRole:
      // The target row carries the strip's red marker.
      if (row == rowN_ && index.column() == kSymbol) return art::Marker(1.0);
      return {};
    case Qt::AccessibleDescriptionRole: {
      QStringList sides;
      if (row == rowV_) sides << SelectorGroupName(Side::V, german_);
      if (row == rowN_) sides << SelectorGroupName(Side::N, german_);
      return sides.join(QLatin1Char(' '));
    }
    default:
      return {};
  }
}

QVariant AllUnitsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) {
    return section < kColumnCount ? kAllUnitsColumns[section].Get(german_) : QVariant();
  }
  return section < rows_ ? QVariant(section + 1) : QVariant();
}

void AllUnitsModel::Follow() {
  const ConversionState& state = converter_.State();
  const CategoryEntry* category = UnitCatalogue::Category(state.CurrentCategory);
  const int rows = category != nullptr ? category->unitCount : 0;
  const UnitRow oldV = rowV_;
  const UnitRow oldN = rowN_;
  if (state.CurrentCategory != category_ || rows != rows_) {
    beginResetModel();
    category_ = state.CurrentCategory;
    rows_ = rows;
    german_ = German();
    rowV_ = state.RowV;
    rowN_ = state.RowN;
    endResetModel();
    return;
  }
  if (rows_ == 0) return;
  rowV_ = state.RowV;
  rowN_ = state.RowN;
  if (german_ != German()) {
    german_ = German();
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    emit dataChanged(index(0, 0), index(rows_ - 1, kColumnCount - 1));
    return;
  }
  emit dataChanged(index(0, kValue), index(rows_ - 1, kValue), {Qt::DisplayRole, Qt::ToolTipRole});
  for (UnitRow row : {oldV, oldN, rowV_, rowN_}) {
    if (row < rows_ && (oldV != rowV_ || oldN != rowN_)) {
      emit dataChanged(index(row, 0), index(row, kColumnCount - 1),
                       {Qt::FontRole, Qt::DecorationRole, Qt::AccessibleDescriptionRole});
    }
  }
}

QString AllUnitsModel::TableText() const {
  QString text;
  for (int row = 0; row < rows_; ++row) {
    const UnitEntry* unit = UnitCatalogue::Unit(category_, row);
    text += Value(row) + QLatin1Char('\t') + FromUtf8(unit->Symbol(german_)) + QLatin1Char('\t') +
            FromUtf8(unit->Name(german_)) + QLatin1Char('\n');
  }
  return text;
}

// ------------------------------------------------------------------ table

AllUnitsTable::AllUnitsTable(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(false);
  setAlternatingRowColors(true);
  setTextElideMode(Qt::ElideRight);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowPitch);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setMinimumSectionSize(16);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AllUnitsTable::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
  // A keystroke changes the values only: their column is drawn again, not
  // the whole table, which the view would do for any change of many cells.
  QWidget* port = viewport();
  const bool oneColumn = topLeft.column() == bottomRight.column() && !port->testAttribute(Qt::WA_UpdatesDisabled);
  if (oneColumn) port->setAttribute(Qt::WA_UpdatesDisabled, true);
  QTableView::dataChanged(topLeft, bottomRight, roles);
  if (!oneColumn) return;
  port->setAttribute(Qt::WA_UpdatesDisabled, false);
  const int column = topLeft.column();
  port->update(QRect(columnViewportPosition(column), 0, columnWidth(column), port->height()));
}

bool AllUnitsTable::event(QEvent* e) {
  // The keys that move, choose and copy here are the table's even where the
  // window has a shortcut on them (Page Up/Down scroll the information text).
  if (e->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(e);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (plain) e->accept();
        break;
      default:
        if (key->matches(QKeySequence::Copy)) e->accept();
        break;
    }
  }
  return QTableView::event(e);
}

void AllUnitsTable::keyPressEvent(QKeyEvent* e) {
  const int row = currentIndex().isValid() ? currentIndex().row() : -1;
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (row >= 0) emit rowChosen(row);
    e->accept();
  } else if (e->matches(QKeySequence::Copy)) {
    if (row >= 0) emit rowCopied(row);
    e->accept();
  } else {
    QTableView::keyPressEvent(e);
  }
}

QModelIndex AllUnitsTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // A row, not a cell, is what the user moves: Home and End go to the first
  // and last unit, as with Ctrl.
  if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
  return QTableView::moveCursor(action, modifiers);
}

// ------------------------------------------------------------------ panel

AllUnitsPanel::AllUnitsPanel(QWidget* parent, const Converter& converter, const QIcon& copyGlyph)
    : Panel(parent, "PanelAlleEinheiten", {407, 55, 210, 347}), converter_(converter) {
  heading_ = MakeLabel(this, "LabelAlleEinheiten", kHeading);
  copyKey_ = MakeGlyphButton(this, "SpeedButtonCopyAll", kCopyKey, copyGlyph, false);
  model_ = new AllUnitsModel(converter, this);
  table_ = new AllUnitsTable(this);
  table_->setObjectName(QStringLiteral("TableAlleEinheiten"));
  table_->setGeometry(kTable);
  QFont font = table_->font();
  font.setBold(false);
  font.setPixelSize(kFontPixels);
  table_->setFont(font);
  table_->setModel(model_);
  table_->setFocusPolicy(Qt::NoFocus);
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(AllUnitsModel::kValue, QHeaderView::Fixed);
  header->setSectionResizeMode(AllUnitsModel::kSymbol, QHeaderView::Fixed);
  header->setSectionResizeMode(AllUnitsModel::kName, QHeaderView::Stretch);
  header->resizeSection(AllUnitsModel::kValue, kValueWidth);
  // The symbols get the room the quantity's longest needs, up to a limit,
  // the names the rest.
  auto fitSymbols = [this] {
    table_->resizeColumnToContents(AllUnitsModel::kSymbol);
    QHeaderView* h = table_->horizontalHeader();
    if (h->sectionSize(AllUnitsModel::kSymbol) > kSymbolMaxWidth)
      h->resizeSection(AllUnitsModel::kSymbol, kSymbolMaxWidth);
  };
  connect(model_, &QAbstractItemModel::modelReset, this, fitSymbols);
  connect(model_, &QAbstractItemModel::headerDataChanged, this, fitSymbols);

  connect(table_, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { emit unitChosen(i.row()); });
  connect(table_, &AllUnitsTable::rowChosen, this, &AllUnitsPanel::unitChosen);
  connect(table_, &AllUnitsTable::rowCopied, this, [this](int row) { emit copyRequested(model_->Value(row)); });
  connect(copyKey_, &QToolButton::clicked, this, [this] { emit copyRequested(model_->TableText()); });
  german_ = !converter_.German();  // so that the first WriteTexts writes
}

void AllUnitsPanel::WriteTexts() {
  if (german_ == converter_.German()) return;
  german_ = converter_.German();
  const QString heading = kAllUnitsHeading.Get(german_);
  heading_->setText(heading);
  SetHint(copyKey_, kAllUnitsCopyHint.Get(german_));
  // Screen readers name the table by its heading; the status line explains it.
  SetHint(table_, kAllUnitsTableHint.Get(german_), heading);
}

void AllUnitsPanel::SetInFront(bool inFront) {
  inFront_ = inFront;
  table_->setFocusPolicy(inFront ? Qt::StrongFocus : Qt::NoFocus);
  if (inFront) Follow();
}

void AllUnitsPanel::Follow() {
  if (!inFront_) return;
  WriteTexts();
  model_->Follow();
  // The focused row's value is what a screen reader is reading; tell it.
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid() || !QAccessible::isActive()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(table_);
  QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
  QAccessibleInterface* cell = cells != nullptr ? cells->cellAt(current.row(), AllUnitsModel::kValue) : nullptr;
  if (cell == nullptr) return;
  QAccessibleEvent changed(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace umrido::ui
