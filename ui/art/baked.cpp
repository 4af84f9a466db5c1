#include "baked.h"

#include <zlib.h>
#include <QIconEngine>
#include <QPainter>

#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "paint_util.h"

namespace umrido::art {

// Made by art_bake; see baked_pictures.cpp in the build folder.
extern const BakedPicture kBakedPictures[];
extern const int kBakedPictureCount;

namespace {

// The stored picture `name` at `dpr`, or null.
const BakedPicture* Find(const char* name, qreal dpr) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& b = kBakedPictures[i];
    if (b.dpr == dpr && std::strcmp(b.name, name) == 0) return &b;
  }
  return nullptr;
}

}  // namespace

QImage Baked(const char* name, qreal dpr) {
  const BakedPicture* b = Find(name, dpr);
  if (b == nullptr) return {};
  // Straight into the image (past qCompress's 4-byte length): no second
  // buffer of the picture's size at any moment.
  QImage image(b->width, b->height, QImage::Format_ARGB32_Premultiplied);
  uLongf length = static_cast<uLongf>(image.sizeInBytes());
  if (image.isNull() || b->size < 4 ||
      uncompress(image.bits(), &length, b->data + 4, static_cast<uLong>(b->size - 4)) != Z_OK ||
      length != static_cast<uLongf>(image.sizeInBytes())) {
    return {};
  }
  image.setDevicePixelRatio(dpr);
  return image;
}

namespace {

QImage Prepared(const char* name, qreal dpr) {
  QImage image = Baked(name, dpr);
  return image.isNull() ? DrawnPicture(name, dpr) : image;
}

}  // namespace

QPixmap Picture(const char* name, qreal dpr) { return detail::ToPixmap(Prepared(name, dpr)); }

namespace {

QPixmap Cell(const char* name, int index, QSize cellSize, qreal dpr) {
  // Each sheet is unpacked once per ratio; an image, unlike a pixmap, may
  // outlive the application object.
  static std::map<std::pair<std::string, qreal>, QImage> sheets;
  const auto key = std::make_pair(std::string(name), dpr);
  auto it = sheets.find(key);
  if (it == sheets.end()) it = sheets.emplace(key, Prepared(name, dpr)).first;
  const QSize size = detail::DeviceSize(cellSize, dpr);
  QImage cell = it->second.copy(index % kSheetColumns * size.width(), index / kSheetColumns * size.height(),
                                size.width(), size.height());
  cell.setDevicePixelRatio(dpr);
  return detail::ToPixmap(std::move(cell));
}

}  // namespace

QPixmap KeyFaceOf(KeyFace face, qreal dpr) { return Cell("keys", static_cast<int>(face), kKeyFaceSize, dpr); }

QPixmap GlyphOf(Glyph glyph, qreal dpr) { return Cell("glyphs", static_cast<int>(glyph), kGlyphSize, dpr); }

namespace {

// Unpacks each size when asked and keeps none: the window system copies the
// icon once when the window appears and never asks again.
class IconEngine : public QIconEngine {
 public:
  // As QIcon does with added pixmaps: the smallest one at least as large,
  // else the largest, scaled down to fit.
  static int Best(const QSize& size) {
    for (int s : kIconSizes) {
      if (s >= size.width() && s >= size.height()) return s;
    }
    return kIconSizes[std::size(kIconSizes) - 1];
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int best = Best(size);
    QPixmap p = Picture(qPrintable(QStringLiteral("icon%1").arg(best)), 1.0);
    if (best > size.width() || best > size.height()) {
      p = p.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return p;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal dpr = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap p = pixmap((QSizeF(rect.size()) * dpr).toSize(), mode, state);
    p.setDevicePixelRatio(dpr);
    painter->drawPixmap(rect.topLeft(), p);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int best = Best(size);
    return QSize(best, best).scaled(size.boundedTo(QSize(best, best)), Qt::KeepAspectRatio);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int s : kIconSizes) sizes.append(QSize(s, s));
    return sizes;
  }

  QIconEngine* clone() const override { return new IconEngine; }
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new IconEngine); }

}  // namespace umrido::art
