#include "baked.h"

#include <zlib.h>
#include <QIconEngine>
#include <QPainter>

#include <algorithm>
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

// Reads runs (see Packing::kRuns) a stretch of pixels at a time, so a
// picture can be unpacked whole or painted a band at a time.
class RunReader {
 public:
  RunReader(const unsigned char* data, int size) : data_(data), words_(size / 4) {}

  // Writes the next `count` pixels to `out`, or passes over them when `out` is
  // null; false if the runs end or break before.
  bool Read(quint32* out, qsizetype count) {
    while (count > 0) {
      if (left_ == 0 && !NextRun()) return false;
      const qsizetype n = std::min(count, left_);
      if (repeat_) {
        if (out) std::fill_n(out, n, pixel_);
      } else {
        if (out) std::memcpy(out, data_ + std::size_t(next_) * 4, std::size_t(n) * 4);
        next_ += static_cast<int>(n);
      }
      if (out) out += n;
      count -= n;
      left_ -= n;
    }
    return true;
  }

  // Every word read and no run left half done.
  bool AtEnd() const { return left_ == 0 && next_ == words_; }

 private:
  quint32 Word(int i) const {
    quint32 w = 0;
    std::memcpy(&w, data_ + std::size_t(i) * 4, 4);
    return w;
  }

  bool NextRun() {
    if (next_ >= words_) return false;
    const quint32 control = Word(next_++);
    left_ = control >> 1;
    repeat_ = (control & 1U) != 0;
    if (repeat_) {
      if (next_ >= words_) return false;
      pixel_ = Word(next_++);
    } else if (left_ > words_ - next_) {
      return false;
    }
    return true;
  }

  const unsigned char* data_;
  int words_;
  int next_ = 0;
  qsizetype left_ = 0;
  bool repeat_ = false;
  quint32 pixel_ = 0;
};

// Fills `image` (rows without padding) from the runs in `data`; false if
// they do not fill it exactly.
bool UnpackRuns(const unsigned char* data, int size, QImage& image) {
  if (image.bytesPerLine() != qsizetype(image.width()) * 4 || size % 4 != 0) return false;
  RunReader reader(data, size);
  return reader.Read(reinterpret_cast<quint32*>(image.bits()), qsizetype(image.width()) * image.height()) &&
         reader.AtEnd();
}

// The stored picture `name` at `dpr`, or null.
const BakedPicture* Find(const char* name, qreal dpr) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& b = kBakedPictures[i];
    if (b.dpr == dpr && std::strcmp(b.name, name) == 0) return &b;
  }
  return nullptr;
}

// The baked pixels of `name` at `dpr`, or a null image.
QImage Unpack(const char* name, qreal dpr) {
  if (const BakedPicture* found = Find(name, dpr)) {
    const BakedPicture& b = *found;
    if (b.packing == Packing::kPlain) {
      if (static_cast<qsizetype>(b.size) != qsizetype(b.width) * b.height * 4) return {};
      QImage image(b.data, b.width, b.height, b.width * 4, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(dpr);
      return image;
    }
    if (b.packing == Packing::kRuns) {
      QImage image(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
      if (image.isNull() || !UnpackRuns(b.data, b.size, image)) return {};
      image.setDevicePixelRatio(dpr);
      return image;
    }
    // Straight into the image (past qCompress's 4-byte length): no second
    // buffer of the picture's size at any moment.
    QImage image(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
    uLongf length = static_cast<uLongf>(image.sizeInBytes());
    if (image.isNull() || b.size < 4 ||
        uncompress(image.bits(), &length, b.data + 4, static_cast<uLong>(b.size - 4)) != Z_OK ||
        length != static_cast<uLongf>(image.sizeInBytes())) {
      return {};
    }
    image.setDevicePixelRatio(dpr);
    return image;
  }
  return {};
}

QImage Prepared(const char* name, qreal dpr) {
  QImage image = Unpack(name, dpr);
  return image.isNull() ? DrawnPicture(name, dpr) : image;
}

}  // namespace

QPixmap Picture(const char* name, qreal dpr) { return detail::ToPixmap(Prepared(name, dpr)); }

bool InRuns(const char* name, qreal dpr) {
  const BakedPicture* b = Find(name, dpr);
  if (b == nullptr || b->packing != Packing::kRuns || b->size % 4 != 0) return false;
  RunReader reader(b->data, b->size);
  return reader.Read(nullptr, qsizetype(b->width) * b->height) && reader.AtEnd();
}

void PaintFromRuns(QPainter& painter, const char* name, qreal dpr, const QRect& exposed, int rows) {
  const BakedPicture* b = Find(name, dpr);
  if (b == nullptr || b->packing != Packing::kRuns || rows < 1) return;
  QImage band(b->width, rows, QImage::Format_ARGB32_Premultiplied);
  if (band.isNull() || band.bytesPerLine() != qsizetype(b->width) * 4) return;
  band.setDevicePixelRatio(dpr);
  RunReader reader(b->data, b->size);
  for (int top = 0; top < b->height; top += rows) {
    const int height = std::min(rows, b->height - top);
    // Bands outside the exposed part are read past, not unpacked.
    const QRectF logical(0, top / dpr, b->width / dpr, height / dpr);
    const bool shown = logical.intersects(exposed);
    if (!reader.Read(shown ? reinterpret_cast<quint32*>(band.bits()) : nullptr, qsizetype(b->width) * height)) {
      return;
    }
    if (shown) painter.drawImage(logical.topLeft(), band, QRect(0, 0, b->width, height));
  }
}

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
// icon once when the window appears, and holding all seven sizes for the
// life of the program would cost more memory than the banner.
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
