// The baked pictures drawn by name: what art_bake stores, and what the
// window draws where nothing baked fits.
#include <QPainter>

#include <string>

#include "baked.h"
#include "paint_util.h"

namespace umrido::art {

namespace {

QImage Premultiplied(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The `count` pictures of one size in rows of kSheetColumns, laid out in
// device pixels cell by cell so that any ratio fits.
template <typename Draw>
QImage Sheet(int count, QSize cellSize, qreal dpr, Draw draw) {
  const int rows = (count + kSheetColumns - 1) / kSheetColumns;
  const QSize cell = detail::DeviceSize(cellSize, dpr);
  QImage sheet = detail::MakeCanvas(QSize(cell.width() * kSheetColumns, cell.height() * rows), 1.0);
  QPainter p(&sheet);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (int k = 0; k < count; ++k) {
    QImage picture = Premultiplied(draw(k));
    picture.setDevicePixelRatio(1.0);
    p.drawImage(QPoint(k % kSheetColumns * cell.width(), k / kSheetColumns * cell.height()), picture);
  }
  p.end();
  sheet.setDevicePixelRatio(dpr);
  return sheet;
}

}  // namespace

QImage DrawnPicture(const char* name, qreal dpr) {
  const std::string n(name);
  QImage image;
  if (n == "banner") image = Premultiplied(BannerPixmap(dpr));
  if (n == "keys") {
    image =
        Sheet(kKeyFaceCount, kKeyFaceSize, dpr, [dpr](int k) { return KeyFacePixmap(static_cast<KeyFace>(k), dpr); });
  }
  if (n == "glyphs") {
    image = Sheet(kGlyphCount, kGlyphSize, dpr, [dpr](int k) { return GlyphPixmap(static_cast<Glyph>(k), dpr); });
  }
  if (n == "shift") image = Premultiplied(IndicatorShift(dpr));
  if (n == "hyp") image = Premultiplied(IndicatorHyp(dpr));
  if (n == "drg") image = Premultiplied(IndicatorDrg(dpr));
  if (n.rfind("icon", 0) == 0) image = Premultiplied(WindowIconPixmap(std::stoi(n.substr(4)), dpr));
  image.setDevicePixelRatio(dpr);
  return image;
}

}  // namespace umrido::art
