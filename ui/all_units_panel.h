// The panel "Alle Einheiten" / "All units": the input converted to every
// unit of the current quantity, one row per unit in the strip's order. Every
// value is the converter's own result with that unit as the target, so the
// table can never disagree with EditN. Made the first time it is asked for.
#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

#include "converter.h"
#include "panels.h"

namespace umrido::ui {

class AllUnitsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kValue, kSymbol, kName, kColumnCount };

  explicit AllUnitsModel(const Converter& converter, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // Catches up with the converter: a new quantity resets the rows, a new
  // language rewrites them, otherwise the values and the two marks change.
  void Follow();

  // The value of `row` as EditN would show it with that unit as the target.
  QString Value(int row) const;
  // Every row as "value<TAB>symbol<TAB>name", one line each.
  QString TableText() const;

 private:
  bool German() const { return converter_.German(); }

  const Converter& converter_;
  CategoryId category_ = -1;
  int rows_ = 0;
  bool german_ = true;
  UnitRow rowV_ = 0;
  UnitRow rowN_ = 0;
};

// Arrows, PageUp/PageDown, Home and End move between rows; Enter chooses the
// row's unit as the target, Ctrl+C copies its value.
class AllUnitsTable : public QTableView {
  Q_OBJECT

 public:
  explicit AllUnitsTable(QWidget* parent);

 signals:
  void rowChosen(int row);
  void rowCopied(int row);

 protected:
  bool event(QEvent* e) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override;
  void keyPressEvent(QKeyEvent* e) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

class AllUnitsPanel : public Panel {
  Q_OBJECT

 public:
  AllUnitsPanel(QWidget* parent, const Converter& converter, const QIcon& copyGlyph);

  // Only the panel in front follows the converter and lets the table take
  // the keyboard focus; coming to the front it catches up at once.
  void SetInFront(bool inFront);
  bool InFront() const { return inFront_; }
  // The converter changed (a keystroke, pick, swap, quantity or language).
  void Follow();

  AllUnitsModel* Model() const { return model_; }
  AllUnitsTable* Table() const { return table_; }
  QLabel* Heading() const { return heading_; }
  QToolButton* CopyKey() const { return copyKey_; }

 signals:
  // The user chose the unit of `row` as the target.
  void unitChosen(int row);
  // Text for the clipboard: one value or the whole table.
  void copyRequested(const QString& text);

 private:
  void WriteTexts();

  const Converter& converter_;
  AllUnitsModel* model_;
  AllUnitsTable* table_;
  QLabel* heading_;
  QToolButton* copyKey_;
  bool inFront_ = false;
  bool german_ = true;
};

}  // namespace umrido::ui
