#include "paint_util.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace umrido::art::detail {

QSize DeviceSize(QSize size, qreal dpr) {
  return {static_cast<int>(std::lround(size.width() * dpr)), static_cast<int>(std::lround(size.height() * dpr))};
}

QImage MakeCanvas(QSize size, qreal dpr, const QColor& fill) {
  QImage image(DeviceSize(size, dpr), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(fill);
  return image;
}

QPixmap ToPixmap(QImage canvas) {
  const qreal dpr = canvas.devicePixelRatio();
  QPixmap pixmap = QPixmap::fromImage(std::move(canvas));
  pixmap.setDevicePixelRatio(dpr);
  return pixmap;
}

void PrepareSmooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont ArtFont(qreal pixelSize, bool bold, bool italic) {
  // "Arial" resolves to Liberation Sans on Linux through fontconfig; the
  // substitution list keeps the look close where neither is installed.
  QFont font(QStringLiteral("Arial"));
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                    QStringLiteral("DejaVu Sans")});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

namespace {

qreal CapHeight(const Run& run) { return QFontMetricsF(ArtFont(run.pixelSize, true, run.italic)).capHeight(); }

}  // namespace

qreal LineWidth(const Line& line) {
  qreal width = 0;
  for (const Run& run : line) {
    width += QFontMetricsF(ArtFont(run.pixelSize, true, run.italic)).horizontalAdvance(run.text) * run.stretch;
    width += run.gapAfter;
  }
  return width;
}

void DrawLinesCentred(QPainter& painter, const QRectF& box, const std::vector<Line>& lines, qreal lineGap) {
  std::vector<qreal> heights;
  qreal total = 0;
  for (const Line& line : lines) {
    qreal h = 0;
    for (const Run& run : line) h = std::max(h, CapHeight(run));
    heights.push_back(h);
    total += h;
  }
  if (!lines.empty()) total += lineGap * static_cast<qreal>(lines.size() - 1);

  qreal top = box.center().y() - total / 2;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const qreal baseline = top + heights[i];
    qreal x = box.center().x() - LineWidth(line) / 2;
    for (const Run& run : line) {
      const QFont font = ArtFont(run.pixelSize, true, run.italic);
      painter.setFont(font);
      painter.setPen(run.colour);
      painter.save();
      painter.translate(x, baseline - run.rise);
      painter.scale(run.stretch, 1.0);
      painter.drawText(QPointF(0, 0), run.text);
      painter.restore();
      x += QFontMetricsF(font).horizontalAdvance(run.text) * run.stretch + run.gapAfter;
    }
    top += heights[i] + lineGap;
  }
}

}  // namespace umrido::art::detail
