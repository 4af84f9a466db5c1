// Small drawing helpers shared by the artwork sources.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

#include <vector>

namespace umrido::art::detail {

// A transparent (or filled) ARGB canvas of logical size `size` at `dpr`.
// Painting on it with QPainter works in logical pixels; Qt scales by dpr.
QImage MakeCanvas(QSize size, qreal dpr, const QColor& fill = Qt::transparent);
// The device-pixel size of such a canvas.
QSize DeviceSize(QSize size, qreal dpr);

// Turns a finished canvas into the pixmap handed to the window; pass the
// canvas by std::move so its pixels are taken over instead of copied.
QPixmap ToPixmap(QImage canvas);

// A painter with antialiasing for shapes and text.
void PrepareSmooth(QPainter& painter);

// The window's lettering family at a pixel size.
QFont ArtFont(qreal pixelSize, bool bold = true, bool italic = false);

// A stretch of lettering in one style; `rise` lifts it above the baseline
// (superscripts), `gapAfter` adds space behind it.
struct Run {
  QString text;
  QColor colour;
  qreal pixelSize = 12;
  qreal rise = 0;
  qreal gapAfter = 0;
  bool italic = false;
  qreal stretch = 1.0;  // horizontal squeeze for lettering that must fit a narrow key
};
using Line = std::vector<Run>;

// Width of a line of runs in logical pixels.
qreal LineWidth(const Line& line);

// Draws the lines centred in `box`, stacked with `lineGap` between them;
// each line's height is the cap height of its largest run.
void DrawLinesCentred(QPainter& painter, const QRectF& box, const std::vector<Line>& lines, qreal lineGap = 3);

// Fills the logical pixel (x, y) of a device whose dpr the painter already
// scales: a 1 x 1 rectangle in logical pixels, i.e. dpr x dpr device pixels.
inline void FillPixel(QPainter& painter, int x, int y, const QColor& colour) {
  painter.fillRect(QRectF(x, y, 1, 1), colour);
}

}  // namespace umrido::art::detail
