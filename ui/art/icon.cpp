// The application icon: two arrows trading places above a ruler, on a blue
// tile. The same design is kept as umrido.svg for desktop integration, so
// the coordinates below live on the SVG's 256-unit grid.
#include "artwork.h"
#include "paint_util.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <utility>

namespace umrido::art {

namespace {

void Arrow(QPainter& p, qreal y, bool right, qreal shaft) {
  // A shaft between x 52 and 204 with a triangular head 44 units long.
  const qreal tipX = right ? 204 : 52;
  const qreal dir = right ? 1 : -1;
  QPainterPath a;
  const qreal baseX = tipX - 44 * dir;
  const qreal tailX = right ? 52 : 204;
  a.moveTo(tailX, y - shaft / 2);
  a.lineTo(baseX, y - shaft / 2);
  a.lineTo(baseX, y - 30);
  a.lineTo(tipX, y);
  a.lineTo(baseX, y + 30);
  a.lineTo(baseX, y + shaft / 2);
  a.lineTo(tailX, y + shaft / 2);
  a.closeSubpath();
  p.drawPath(a);
}

void PaintIcon(QPainter& p, int size) {
  p.scale(size / 256.0, size / 256.0);
  const bool small = size < 32;  // fewer, bolder details where pixels are scarce

  QLinearGradient tile(QPointF(0, 8), QPointF(0, 248));
  tile.setColorAt(0, QColor(62, 146, 232));
  tile.setColorAt(1, QColor(22, 78, 160));
  p.setPen(QPen(QColor(16, 54, 112), small ? 16 : 8));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  Arrow(p, 68, true, small ? 28 : 22);
  p.setBrush(QColor(255, 210, 63));
  Arrow(p, 132, false, small ? 28 : 22);

  // The ruler.
  const QRectF ruler(28, 176, 200, 48);
  p.setPen(QPen(QColor(120, 84, 10), small ? 10 : 6));
  p.setBrush(QColor(255, 226, 120));
  p.drawRoundedRect(ruler, 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 60, 0));
  const int step = small ? 40 : 20;
  const qreal tickWidth = small ? 14 : 6;
  for (int i = 0, x = 48; x <= 208; x += step, ++i) {
    const bool longTick = small || (i % 2 == 0);
    p.drawRect(QRectF(x - tickWidth / 2, ruler.top(), tickWidth, longTick ? 24 : 14));
  }
}

}  // namespace

QPixmap WindowIconPixmap(int size, qreal dpr) {
  QImage canvas = detail::MakeCanvas(QSize(size, size), dpr);
  QPainter painter(&canvas);
  detail::PrepareSmooth(painter);
  PaintIcon(painter, size);
  painter.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace umrido::art
