// The unit finder: a small panel over the window with a search field and a
// list of matching units from every quantity, in both languages at once.
// Enter picks the chosen unit as the source unit, Shift+Enter as the target
// unit; Esc, a click elsewhere or the focus leaving close it, Esc giving the
// focus back to where it was.
//
// It is a child of the window rather than a popup window of its own, so that
// screen readers find it, its field and its list in the window's tree while
// it is open; it behaves as a popup would: the window's shortcuts and clicks
// elsewhere do not reach the window while it is open.
#pragma once

#include <QAccessible>
#include <QFrame>
#include <QPointer>

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
  // Closes, giving the focus back to where it was before the finder opened.
  void Close();

  QLineEdit* Query() const { return query_; }
  QListWidget* Results() const { return results_; }
  // The highlighted result's row, or -1 for none.
  int Highlighted() const;

 signals:
  // The chosen unit and side, after the popup has closed.
  void picked(CategoryId category, UnitRow row, Side side);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Search();
  // Writes the matches into the list's rows.
  void ShowResults();
  void Announce(QAccessible::Event type, int row);
  void Pick(Side side);
  // Highlights a result, kept within the list.
  void Highlight(int row);
  bool QueryKey(QEvent* event);
  // Whether `object` is the finder or lies inside it.
  bool Holds(const QObject* object) const;

  QLineEdit* query_;
  QListWidget* results_;
  std::vector<UnitMatch> matches_;
  QPointer<QWidget> focusBefore_;
  bool german_ = true;
};

}  // namespace umrido::ui
