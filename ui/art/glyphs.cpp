// Motifs of the window's 24 x 24 flat buttons.
#include "artwork.h"
#include "paint_util.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace umrido::art {

namespace {

void Sheet(QPainter& p, const QRectF& r, qreal fold) {
  // A sheet of paper with a dog-eared upper right corner and a few lines.
  QPainterPath sheet;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  QLinearGradient paper(r.topLeft(), r.bottomRight());
  paper.setColorAt(0, QColor(255, 255, 255));
  paper.setColorAt(1, QColor(226, 232, 240));
  p.setPen(QPen(QColor(90, 98, 112), 1.0));
  p.setBrush(paper);
  p.drawPath(sheet);
  QPainterPath ear;
  ear.moveTo(r.right() - fold, r.top());
  ear.lineTo(r.right() - fold, r.top() + fold);
  ear.lineTo(r.right(), r.top() + fold);
  p.setBrush(QColor(200, 208, 220));
  p.drawPath(ear);
  p.setPen(QPen(QColor(96, 130, 190), 1.0, Qt::SolidLine, Qt::FlatCap));
  for (qreal y = r.top() + fold + 2.5; y < r.bottom() - 1.5; y += 2.5) {
    const qreal right = (y < r.top() + fold + 6) ? r.right() - 2 : r.right() - 3.5;
    p.drawLine(QPointF(r.left() + 2, y), QPointF(right, y));
  }
}

void Paste(QPainter& p) {
  // Clipboard: a brown board with a metal clip, a sheet lying on it.
  const QRectF board(3.5, 3.5, 13, 18);
  QLinearGradient wood(board.topLeft(), board.bottomRight());
  wood.setColorAt(0, QColor(214, 160, 92));
  wood.setColorAt(1, QColor(160, 104, 46));
  p.setPen(QPen(QColor(96, 60, 24), 1.0));
  p.setBrush(wood);
  p.drawRoundedRect(board, 2, 2);
  QLinearGradient metal(QPointF(0, 1.5), QPointF(0, 6.5));
  metal.setColorAt(0, QColor(236, 238, 242));
  metal.setColorAt(1, QColor(140, 146, 156));
  p.setPen(QPen(QColor(70, 74, 84), 1.0));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(6.5, 1.5, 7, 5), 1.5, 1.5);
  p.setBrush(QColor(70, 74, 84));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(10, 3.2), 1.0, 0.8);
  Sheet(p, QRectF(9.5, 8.5, 11, 13), 3.5);
}

void Copy(QPainter& p) {
  Sheet(p, QRectF(3.5, 2.5, 11, 14), 3.5);
  Sheet(p, QRectF(9.5, 7.5, 11, 14), 3.5);
}

void RoundButton(QPainter& p, const QColor& light, const QColor& mid, const QColor& dark) {
  QRadialGradient ball(QPointF(9, 8), 13);
  ball.setColorAt(0, light);
  ball.setColorAt(0.55, mid);
  ball.setColorAt(1, dark);
  p.setPen(QPen(dark.darker(140), 1.0));
  p.setBrush(ball);
  p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
  // Soft gloss on the upper half.
  QLinearGradient gloss(QPointF(0, 3), QPointF(0, 12));
  gloss.setColorAt(0, QColor(255, 255, 255, 120));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawEllipse(QRectF(5.5, 3.2, 13, 8));
}

void Arrow(QPainter& p, qreal y, bool right) {
  // A white arrow with a triangular head across the button.
  const qreal tail = right ? 6.5 : 17.5;
  const qreal tip = right ? 18.5 : 5.5;
  const qreal dir = right ? 1 : -1;
  p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(tail, y), QPointF(tip - 3 * dir, y));
  QPainterPath head;
  head.moveTo(tip, y);
  head.lineTo(tip - 4.2 * dir, y - 3.0);
  head.lineTo(tip - 4.2 * dir, y + 3.0);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(head);
}

void Swap(QPainter& p) {
  RoundButton(p, QColor(150, 200, 255), QColor(40, 110, 220), QColor(16, 56, 140));
  Arrow(p, 9.0, true);
  Arrow(p, 15.0, false);
}

void FlagFrame(QPainter& p, const QRectF& flag) {
  // A faint sheen and a thin edge so the flag reads on any button colour.
  QLinearGradient sheen(flag.topLeft(), flag.bottomLeft());
  sheen.setColorAt(0, QColor(255, 255, 255, 70));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
  sheen.setColorAt(1, QColor(0, 0, 0, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawRect(flag);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 40, 40, 170), 1.0));
  p.drawRect(flag.adjusted(-0.5, -0.5, 0.5, 0.5));
}

const QRectF kFlag(2, 6, 20, 12);

void FlagGerman(QPainter& p) {
  const qreal band = kFlag.height() / 3;
  p.fillRect(QRectF(kFlag.left(), kFlag.top(), kFlag.width(), band), QColor(0, 0, 0));
  p.fillRect(QRectF(kFlag.left(), kFlag.top() + band, kFlag.width(), band), QColor(221, 0, 0));
  p.fillRect(QRectF(kFlag.left(), kFlag.top() + 2 * band, kFlag.width(), band), QColor(255, 206, 0));
  FlagFrame(p, kFlag);
}

void FlagUnion(QPainter& p) {
  const QColor blue(1, 33, 105);
  const QColor red(200, 16, 46);
  p.save();
  p.setClipRect(kFlag);
  p.fillRect(kFlag, blue);
  const QPointF tl = kFlag.topLeft(), tr = kFlag.topRight();
  const QPointF bl = kFlag.bottomLeft(), br = kFlag.bottomRight();
  // Saltires: broad white, narrow red, the red one offset clockwise as on
  // the real flag (simplified to a shift along the stroke's normal).
  p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(tl, br);
  p.drawLine(bl, tr);
  p.setPen(QPen(red, 1.0, Qt::SolidLine, Qt::FlatCap));
  const QPointF c = kFlag.center();
  const QPointF down(0, 0.75);
  p.drawLine(tl + down, c + down);
  p.drawLine(c - down, br - down);
  p.drawLine(tr - down, c - down);
  p.drawLine(c + down, bl + down);
  // St George's cross: white border, red centre.
  p.fillRect(QRectF(c.x() - 2.5, kFlag.top(), 5, kFlag.height()), Qt::white);
  p.fillRect(QRectF(kFlag.left(), c.y() - 2.5, kFlag.width(), 5), Qt::white);
  p.fillRect(QRectF(c.x() - 1.5, kFlag.top(), 3, kFlag.height()), red);
  p.fillRect(QRectF(kFlag.left(), c.y() - 1.5, kFlag.width(), 3), red);
  p.restore();
  FlagFrame(p, kFlag);
}

void Calculator(QPainter& p) {
  const QRectF body(5.5, 1.5, 13, 21);
  QLinearGradient shell(body.topLeft(), body.topRight());
  shell.setColorAt(0, QColor(92, 98, 110));
  shell.setColorAt(1, QColor(52, 56, 66));
  p.setPen(QPen(QColor(28, 30, 36), 1.0));
  p.setBrush(shell);
  p.drawRoundedRect(body, 2, 2);
  // Display.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 214, 170));
  p.drawRect(QRectF(7.5, 3.5, 9, 4));
  p.setBrush(QColor(40, 70, 40));
  p.drawRect(QRectF(12, 5, 3.5, 1.5));
  // Keys: three columns of four rows, the bottom right one orange.
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRectF key(7.5 + col * 3.2, 9.5 + row * 3.1, 2.4, 2.2);
      const bool equals = row == 3 && col == 2;
      p.setBrush(equals ? QColor(255, 150, 40) : QColor(226, 228, 234));
      p.drawRoundedRect(key, 0.5, 0.5);
    }
  }
}

void Info(QPainter& p) {
  RoundButton(p, QColor(140, 190, 255), QColor(30, 100, 210), QColor(12, 48, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(12, 7.2), 1.7, 1.7);
  QPainterPath stem;
  stem.moveTo(9.8, 10.2);
  stem.lineTo(13.3, 10.2);
  stem.lineTo(13.3, 16.4);
  stem.lineTo(14.6, 16.4);
  stem.lineTo(14.6, 18.0);
  stem.lineTo(9.6, 18.0);
  stem.lineTo(9.6, 16.4);
  stem.lineTo(10.9, 16.4);
  stem.lineTo(10.9, 11.8);
  stem.lineTo(9.8, 11.8);
  stem.closeSubpath();
  p.drawPath(stem);
}

void End(QPainter& p) {
  RoundButton(p, QColor(255, 150, 140), QColor(215, 40, 30), QColor(130, 10, 8));
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.3, 8.3), QPointF(15.7, 15.7));
  p.drawLine(QPointF(15.7, 8.3), QPointF(8.3, 15.7));
}

}  // namespace

QPixmap GlyphPixmap(Glyph glyph, qreal dpr) {
  QImage canvas = detail::MakeCanvas(kGlyphSize, dpr);
  QPainter painter(&canvas);
  detail::PrepareSmooth(painter);
  switch (glyph) {
    case Glyph::Paste:
      Paste(painter);
      break;
    case Glyph::Copy:
      Copy(painter);
      break;
    case Glyph::Swap:
      Swap(painter);
      break;
    case Glyph::FlagGerman:
      FlagGerman(painter);
      break;
    case Glyph::FlagUnion:
      FlagUnion(painter);
      break;
    case Glyph::Calculator:
      Calculator(painter);
      break;
    case Glyph::Info:
      Info(painter);
      break;
    case Glyph::End:
      End(painter);
      break;
  }
  painter.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace umrido::art
