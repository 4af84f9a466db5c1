// The unit strip `PanelUnit`: 21 rows of unit symbols between the source
// selector `ImageV` and the target selector `ImageN`, each selector with its
// red marker. The panel's height hides the rows a quantity does not use.
#pragma once

#include <QLabel>

#include <array>

#include "converter.h"
#include "panels.h"
#include "unit_catalogue.h"

namespace umrido::ui {

class UnitStrip : public Panel {
  Q_OBJECT

 public:
  static constexpr int kWidth = 145;
  static constexpr QPoint kPosition{235, 30};
  // Before the first quantity is written the strip shows all its rows.
  static constexpr int kInitialHeight = 388;

  explicit UnitStrip(QWidget* parent);

  void SetKnobPicture(const QPixmap& column);
  void SetMarkerPicture(const QPixmap& marker);
  void SetRow(int row, const QString& caption, const QString& hint);
  void SetMarkers(UnitRow rowV, UnitRow rowN);
  void SetStripHeight(int height);

  QLabel* Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  PictureLabel* Selector(Side side) const { return side == Side::V ? imageV_ : imageN_; }
  QLabel* Marker(Side side) const { return side == Side::V ? markeV_ : markeN_; }
  // The rows inside the panel, and the row a side's marker stands on.
  int ShownRows() const { return (height() - kStripTopMargin) / kStripPitch; }
  UnitRow MarkedRow(Side side) const { return (Marker(side)->y() - MarkerTop(0)) / kRowPitch; }
  // A press and release on `row` of the side's selector.
  void PressRow(Side side, UnitRow row);

 signals:
  // A press (any button) on a selector at vertical position y, and the
  // release that follows, wherever the pointer went.
  void pressed(Side side, int y);
  void released();

 private:
  std::array<QLabel*, kMaxUnitsPerCategory> rows_{};
  PictureLabel* imageV_;
  PictureLabel* imageN_;
  QLabel* markeV_;
  QLabel* markeN_;
};

}  // namespace umrido::ui
