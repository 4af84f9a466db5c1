// The unit finder: a small popup over the window with a search field and a
// list of matching units from every quantity, in both languages at once.
// Enter picks the chosen unit as the source unit, Shift+Enter as the target
// unit; Esc closes and leaves the focus where it was.
#pragma once

#include <QFrame>

#include <vector>

#include "converter.h"
#include "unit_search.h"

class QLineEdit;
class QListWidget;

namespace umrido::ui {

class UnitFinder : public QFrame {
  Q_OBJECT

 public:
  explicit UnitFinder(QWidget* window);

  // Opens over the window with an empty query, its texts in the language.
  void Open(bool german);

  QLineEdit* Query() const { return query_; }
  QListWidget* Results() const { return results_; }

 signals:
  // The chosen unit and side, after the popup has closed.
  void picked(CategoryId category, UnitRow row, Side side);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Search();
  void Pick(Side side);

  QLineEdit* query_;
  QListWidget* results_;
  std::vector<UnitMatch> matches_;
  bool german_ = true;
};

}  // namespace umrido::ui
