// Selector knobs, the selection dot, and the frames on the window's ground.
#include "artwork.h"
#include "paint_util.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace umrido::art {

using detail::MakeCanvas;
using detail::PrepareSmooth;
using detail::ToPixmap;

namespace {

struct PixelPoint {
  int x;
  int y;
};

// Plots a polyline the way classic raster line drawing does: every segment
// starts on its first point and stops one pixel short of its last, so the
// final point of the whole polyline stays unpainted. The knob outline was
// designed on that rule; painting its last points would put stray pixels on
// the face colour.
void PlotPolyline(QPainter& painter, const std::vector<PixelPoint>& points, const QColor& colour) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    int x = points[i].x;
    int y = points[i].y;
    const int x1 = points[i + 1].x;
    const int y1 = points[i + 1].y;
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    while (x != x1 || y != y1) {
      detail::FillPixel(painter, x, y, colour);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
  }
}

// Paints one knob into the 16 x 16 cell whose top-left is (0, top). All
// shapes are whole logical pixels, so at any dpr they cover whole device
// pixels and stay sharp.
void PaintKnob(QPainter& painter, int top, const QColor& shadow, const QColor& face) {
  painter.save();
  painter.translate(0, top);
  const QColor white(Qt::white);
  // Left, top, right, bottom with right and bottom excluded.
  const std::array<std::array<int, 4>, 4> disc{{{3, 3, 13, 12}, {3, 3, 12, 13}, {5, 12, 10, 14}, {12, 5, 14, 10}}};
  for (const auto& r : disc) painter.fillRect(QRect(r[0], r[1], r[2] - r[0], r[3] - r[1]), white);

  PlotPolyline(painter,
               {{2, 11}, {2, 10}, {1, 9}, {1, 5}, {2, 4}, {2, 3}, {3, 2}, {4, 2}, {5, 1}, {9, 1}, {10, 2}, {12, 2}},
               shadow);
  PlotPolyline(painter, {{3, 11}, {4, 11}, {5, 12}, {9, 12}, {10, 11}, {11, 11}, {11, 10}, {12, 9}, {12, 5}, {9, 2}},
               face);
  PlotPolyline(painter, {{3, 10}, {2, 9}, {2, 5}, {3, 4}, {3, 3}, {4, 3}, {5, 2}, {9, 2}, {10, 3}, {12, 3}},
               QColor(Qt::black));
  painter.restore();
}

}  // namespace

QPixmap KnobColumn(const QPalette& palette, qreal dpr) {
  const QColor face = palette.color(QPalette::Active, QPalette::Button);
  const QColor shadow = palette.color(QPalette::Active, QPalette::Dark);
  QImage canvas = MakeCanvas(kKnobColumnSize, dpr, face);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int row = 0; row < kKnobRows; ++row) PaintKnob(painter, row * kKnobPitch, shadow, face);
  painter.end();
  return ToPixmap(std::move(canvas));
}

QPixmap Marker(qreal dpr) {
  QImage canvas = MakeCanvas(kMarkerSize, dpr);
  QPainter painter(&canvas);
  PrepareSmooth(painter);
  // A glossy red bead: lit from the upper left like the knob it sits in.
  const QRectF dot(0.6, 0.6, 7.8, 7.8);
  QRadialGradient body(QPointF(3.3, 3.1), 5.6);
  body.setColorAt(0.0, QColor(255, 140, 120));
  body.setColorAt(0.35, QColor(235, 30, 25));
  body.setColorAt(1.0, QColor(150, 0, 0));
  painter.setPen(QPen(QColor(110, 0, 0), 0.7));
  painter.setBrush(body);
  painter.drawEllipse(dot);
  painter.end();
  return ToPixmap(std::move(canvas));
}

QColor DesktopColor() {
  // A quiet blue-grey teal: dark enough for the grey panels and their white
  // rims to stand out, soft enough not to compete with the lettering.
  return QColor(58, 110, 122);
}

namespace {

struct FrameColours {
  QColor face;
  QColor shadow;
  QColor dark;
  QColor highlight;
  QColor midlight;
};

FrameColours ColoursOf(const QPalette& palette) {
  FrameColours c;
  c.face = palette.color(QPalette::Active, QPalette::Button);
  c.shadow = palette.color(QPalette::Active, QPalette::Dark);
  c.dark = palette.color(QPalette::Active, QPalette::Shadow);
  c.highlight = palette.color(QPalette::Active, QPalette::Light);
  c.midlight = palette.color(QPalette::Active, QPalette::Midlight);
  return c;
}

// Strokes along a closed or open path in two colours split by a direction:
// the parts facing the upper left get `lit`, the rest `shaded`. The light is
// taken to come from the upper left, as with every bevel of the window.
void StrokeLitShaded(QPainter& painter, const QPainterPath& path, qreal width, const QColor& lit, const QColor& shaded,
                     const QPointF& centre) {
  // Split the plane along the 45-degree diagonal through `centre`.
  QPainterPath litSide;
  const qreal far = 1000;
  litSide.moveTo(centre + QPointF(-far, far));
  litSide.lineTo(centre + QPointF(far, -far));
  litSide.lineTo(centre + QPointF(-far, -far));
  litSide.closeSubpath();
  QPainterPath shadedSide;
  shadedSide.moveTo(centre + QPointF(-far, far));
  shadedSide.lineTo(centre + QPointF(far, -far));
  shadedSide.lineTo(centre + QPointF(far, far));
  shadedSide.closeSubpath();

  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setClipPath(litSide);
  painter.setPen(QPen(lit, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPath(path);
  painter.setClipPath(shadedSide);
  painter.setPen(QPen(shaded, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPath(path);
  painter.restore();
}

// The shaded disc (17 x 17 at (0, 1)): face colour with a two-line rim,
// white and light on the upper left, shadow and dark on the lower right.
void PaintDisc(QPainter& painter, const FrameColours& c, QPointF centre) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(c.face);
  painter.drawEllipse(centre, 8.5, 8.5);
  QPainterPath outer;
  outer.addEllipse(centre, 8.0, 8.0);
  QPainterPath inner;
  inner.addEllipse(centre, 7.0, 7.0);
  StrokeLitShaded(painter, outer, 1.0, c.highlight, c.dark, centre);
  StrokeLitShaded(painter, inner, 1.0, c.midlight, c.shadow, centre);
}

// The joint between header and strip (x 17..34, y 0..15): face colour with a
// rounded notch open at the bottom. The notch's top edge is the shaded
// underside of the header, its left wall the strip's right rim (shaded) and
// its right wall the strip's left rim (lit).
void PaintArch(QPainter& painter, const FrameColours& c, const QColor& desktop) {
  const QRectF area(17, 0, 17, 16);
  painter.fillRect(area, c.face);
  const qreal radius = 7;

  auto notch = [&](qreal inset) {
    // Rounded rectangle open to the bottom, inset from the material edge.
    const qreal l = 17 + inset;
    const qreal r = 34 - inset;
    const qreal t = 0 + inset;
    const qreal rad = radius - inset;
    QPainterPath p;
    p.moveTo(l, 17);
    p.lineTo(l, t + rad);
    p.arcTo(QRectF(l, t, 2 * rad, 2 * rad), 180, -90);
    p.lineTo(r - rad, t);
    p.arcTo(QRectF(r - 2 * rad, t, 2 * rad, 2 * rad), 90, -90);
    p.lineTo(r, 17);
    return p;
  };

  painter.save();
  painter.setClipRect(area);
  painter.setPen(Qt::NoPen);
  painter.setBrush(desktop);
  QPainterPath hole = notch(0);
  hole.closeSubpath();
  painter.drawPath(hole);

  // Split lit/shaded at the upper right corner's diagonal: everything left
  // of it is the header's underside or the strip's right side.
  const QPointF split(34 - radius, radius);
  auto stroke = [&](const QPainterPath& path, const QColor& lit, const QColor& shaded) {
    QPainterPath right;
    right.moveTo(split);
    right.lineTo(split + QPointF(100, -100));
    right.lineTo(split + QPointF(100, 100));
    right.lineTo(split + QPointF(0, 100));
    right.closeSubpath();
    QPainterPath left;
    left.addRect(QRectF(0, -100, 200, 300));
    left = left.subtracted(right);
    painter.setBrush(Qt::NoBrush);
    painter.setClipPath(right);
    painter.setPen(QPen(lit, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);
    painter.setClipPath(left);
    painter.setPen(QPen(shaded, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);
  };
  // Material side first (inner line), then the line facing the notch.
  stroke(notch(0.5), c.midlight, c.shadow);
  stroke(notch(1.5), c.highlight, c.dark);
  painter.restore();
}

// Copies the rectangle `from` of `source` onto `target` at `to`, stretched,
// working in device pixels on both sides so nothing is resampled when the
// sizes agree. Rectangles are left, top, right, bottom in logical pixels,
// right and bottom excluded. The piece is stretched on its own first: small
// nearest-neighbour scaling is far cheaper than a scaled draw, and the strip
// frame is redrawn on every change of quantity.
QRect DeviceRect(int l, int t, int r, int b, qreal dpr) {
  const int dl = static_cast<int>(std::lround(l * dpr));
  const int dt = static_cast<int>(std::lround(t * dpr));
  return QRect(QPoint(dl, dt),
               QPoint(static_cast<int>(std::lround(r * dpr)) - 1, static_cast<int>(std::lround(b * dpr)) - 1));
}

void CopyPiece(QPainter& painter, const QImage& source, qreal dpr, int fl, int ft, int fr, int fb, int tl, int tt,
               int tr, int tb) {
  const QRect to = DeviceRect(tl, tt, tr, tb, dpr);
  QImage piece = source.copy(DeviceRect(fl, ft, fr, fb, dpr));
  if (piece.size() != to.size()) piece = piece.scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  painter.drawImage(to.topLeft(), piece);
}

QImage DecorationImage(const QPalette& palette, qreal dpr, const QColor& desktop) {
  const FrameColours c = ColoursOf(palette);
  QImage canvas = MakeCanvas(kDecorationSize, dpr, desktop);
  QPainter painter(&canvas);
  PrepareSmooth(painter);

  const QPointF centre(8.5, 9.5);
  PaintDisc(painter, c, centre);
  PaintArch(painter, c, desktop);

  // The rounded bottom bar 149 x 9 at (0, 23), built from the disc's lower
  // half: the left corner, a stretched middle and the right corner.
  painter.end();
  QImage plain = canvas;
  plain.setDevicePixelRatio(1);
  canvas.setDevicePixelRatio(1);
  QPainter copier(&canvas);
  copier.setCompositionMode(QPainter::CompositionMode_Source);
  CopyPiece(copier, plain, dpr, 0, 9, 8, 18, 0, 23, 8, 32);
  CopyPiece(copier, plain, dpr, 7, 9, 9, 18, 8, 23, 141, 32);
  CopyPiece(copier, plain, dpr, 9, 9, 17, 18, 141, 23, 149, 32);
  copier.end();
  canvas.setDevicePixelRatio(dpr);
  return canvas;
}

QImage AsDeviceImage(const QPixmap& pixmap) {
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(1);
  return image;
}

// Draws the strip frame for `stripHeight` with a painter working in device
// pixels, from a decoration held the same way (devicePixelRatio 1).
void PaintStripFramePieces(QPainter& painter, const QImage& decoration, qreal dpr, int stripHeight,
                           const QColor& desktop) {
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(DeviceRect(233, 49, 382, 480, dpr), desktop);
  const int h = stripHeight;
  CopyPiece(painter, decoration, dpr, 0, 23, 2, 24, 233, 49, 236, h + 27);
  CopyPiece(painter, decoration, dpr, 146, 23, 149, 24, 379, 49, 382, h + 27);
  CopyPiece(painter, decoration, dpr, 0, 23, 149, 32, 233, h + 27, 382, h + 36);
}

}  // namespace

QPixmap DecorationBitmap(const QPalette& palette, qreal dpr, const QColor& desktop) {
  return ToPixmap(DecorationImage(palette, dpr, desktop));
}

QPixmap BackgroundPicture(const QPalette& palette, int stripHeight, qreal dpr, const QColor& desktop) {
  return BackgroundPicture(ToPixmap(DecorationImage(palette, dpr, desktop)), stripHeight, desktop);
}

QPixmap BackgroundPicture(const QPixmap& decoration, int stripHeight, const QColor& desktop) {
  const qreal dpr = decoration.devicePixelRatio();
  QImage canvas = MakeCanvas(kBackgroundSize, dpr, desktop);
  canvas.setDevicePixelRatio(1);
  QPainter painter(&canvas);
  PaintBackgroundDevice(painter, decoration, stripHeight, desktop);
  painter.end();
  canvas.setDevicePixelRatio(dpr);
  return ToPixmap(std::move(canvas));
}

void PaintBackground(QPainter& painter, const QPixmap& decoration, int stripHeight, const QColor& desktop) {
  const qreal dpr = decoration.devicePixelRatio();
  painter.save();
  painter.scale(1 / dpr, 1 / dpr);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(QRect(QPoint(0, 0), detail::DeviceSize(kBackgroundSize, dpr)), desktop);
  PaintBackgroundDevice(painter, decoration, stripHeight, desktop);
  painter.restore();
}

void PaintBackgroundDevice(QPainter& painter, const QPixmap& decorationPixmap, int stripHeight, const QColor& desktop) {
  const qreal dpr = decorationPixmap.devicePixelRatio();
  const QImage decoration = AsDeviceImage(decorationPixmap);
  {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    struct Piece {
      int fl, ft, fr, fb, tl, tt, tr, tb;
    };
    // Frame pieces in the order they are laid: the line under the header
    // first, so the joints drawn after it cut into it.
    static constexpr Piece kPieces[] = {
        {24, 0, 26, 2, 0, 35, 680, 37},      // line under the header
        {17, 0, 26, 14, 380, 35, 389, 49},   // joint right of the strip's top
        {25, 0, 34, 14, 226, 35, 235, 49},   // joint left of the strip's top
        {0, 0, 8, 9, 402, 50, 410, 59},      // right panels: top-left corner
        {0, 9, 8, 18, 402, 398, 410, 407},   // right panels: bottom-left corner
        {7, 1, 9, 9, 410, 51, 660, 59},      // right panels: top edge
        {7, 10, 9, 18, 410, 399, 660, 407},  // right panels: bottom edge
        {0, 8, 7, 10, 402, 59, 410, 398},    // right panels: left edge
        {9, 0, 17, 9, 207, 50, 215, 59},     // list: top-right corner
        {9, 9, 17, 18, 207, 398, 215, 407},  // list: bottom-right corner
        {7, 1, 9, 9, 0, 51, 207, 59},        // list: top edge
        {7, 10, 9, 18, 0, 399, 207, 407},    // list: bottom edge
        {9, 8, 17, 10, 207, 59, 215, 398},   // list: right edge
    };
    for (const Piece& p : kPieces) CopyPiece(painter, decoration, dpr, p.fl, p.ft, p.fr, p.fb, p.tl, p.tt, p.tr, p.tb);
  }
  PaintStripFramePieces(painter, decoration, dpr, stripHeight, desktop);
}

void PaintStripFrame(QPixmap& background, const QPixmap& decoration, int stripHeight, const QColor& desktop) {
  // Painted in place, in device pixels: converting the whole background to
  // an image and back would cost more than the frame itself.
  const qreal dpr = background.devicePixelRatio();
  background.setDevicePixelRatio(1);
  QPainter painter(&background);
  PaintStripFramePieces(painter, AsDeviceImage(decoration), dpr, stripHeight, desktop);
  painter.end();
  background.setDevicePixelRatio(dpr);
}

}  // namespace umrido::art
