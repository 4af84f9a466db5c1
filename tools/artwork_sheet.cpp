// Renders every picture of the window onto one PNG contact sheet, at device
// pixel ratios 1 and 2 side by side, for reviewing the artwork by eye.
//
// Usage: artwork_sheet OUTPUT.png   (renders off-screen unless QT_QPA_PLATFORM
// says otherwise)
#include "artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <cstdio>
#include <vector>

namespace {

using namespace umrido::art;

constexpr int kMargin = 10;

// Lays pictures out in rows on a sheet, each with a small caption.
class Sheet {
 public:
  Sheet(int width, qreal dpr) : dpr_(dpr), width_(width) {}

  void Caption(const QString& text) {
    NewRow();
    items_.push_back({QPixmap(), text, QPoint(kMargin, y_)});
    y_ += 16;
  }

  void Add(const QPixmap& pixmap, const QString& label = QString(), int gap = 8) {
    const QSize s = (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
    if (x_ + s.width() > width_ - kMargin) NewRow();
    items_.push_back({pixmap, label, QPoint(x_, y_)});
    x_ += s.width() + gap;
    rowHeight_ = std::max(rowHeight_, s.height() + (label.isEmpty() ? 0 : 12));
  }

  void NewRow() {
    if (rowHeight_ > 0) y_ += rowHeight_ + 8;
    x_ = kMargin;
    rowHeight_ = 0;
  }

  QImage Render() {
    NewRow();
    QImage image(QSize(width_, y_ + kMargin) * dpr_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr_);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    p.setFont(font);
    for (const Item& item : items_) {
      if (item.pixmap.isNull()) {
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(QColor(30, 30, 120));
        p.drawText(item.at + QPoint(0, 12), item.label);
        font.setBold(false);
        font.setPixelSize(10);
        p.setFont(font);
        continue;
      }
      p.drawPixmap(item.at, item.pixmap);
      if (!item.label.isEmpty()) {
        const int h = static_cast<int>(item.pixmap.height() / item.pixmap.devicePixelRatio());
        p.setPen(QColor(90, 90, 90));
        p.drawText(item.at + QPoint(0, h + 10), item.label);
      }
    }
    return image;
  }

 private:
  struct Item {
    QPixmap pixmap;
    QString label;
    QPoint at;
  };
  qreal dpr_;
  int width_;
  int x_ = kMargin;
  int y_ = kMargin;
  int rowHeight_ = 0;
  std::vector<Item> items_;
};

// The indicators as the window shows them: each band through a white strip
// 10 px high, the picture at y = 2 - 9 * band.
QPixmap ThroughStrip(const QPixmap& indicator, int band, qreal dpr) {
  const QSize logical = (QSizeF(indicator.size()) / dpr).toSize();
  QPixmap strip(QSize(logical.width() + 4, 10) * dpr);
  strip.setDevicePixelRatio(dpr);
  strip.fill(Qt::white);
  QPainter p(&strip);
  p.drawPixmap(QPoint(2, 2 - 9 * band), indicator);
  return strip;
}

// A rough mock-up of the window: the background with plain button-face
// panels where the window puts its panels, to judge how the frames join.
QPixmap MockWindow(const QPalette& palette, int stripHeight, qreal dpr) {
  QPixmap window = BackgroundPicture(palette, stripHeight, dpr);
  QPainter p(&window);
  const QColor face = palette.color(QPalette::Button);
  p.fillRect(QRect(407, 55, 210, 347), face);          // right-hand panels
  p.fillRect(QRect(235, 30, 145, stripHeight), face);  // unit strip
  p.fillRect(QRect(0, 55, 211, 347), face);            // quantity list
  p.fillRect(QRect(-8, 0, 625, 35), face);             // header
  p.fillRect(QRect(-8, 423, 625, 32), face);           // status bar
  const QPixmap knobs = KnobColumn(palette, dpr);
  const QPixmap marker = Marker(dpr);
  p.save();
  p.setClipRect(QRect(235, 30, 145, stripHeight));
  p.drawPixmap(240, 38, knobs);
  p.drawPixmap(360, 38, knobs);
  p.drawPixmap(243, 41, marker);
  p.drawPixmap(363, 41 + 18, marker);
  for (int r = 0; r < 21; ++r)
    p.fillRect(QRect(260, 38 + 18 * r, 96, 18), r % 2 ? QColor(Qt::white) : palette.color(QPalette::Light));
  p.restore();
  p.drawPixmap(413, 61, BannerPixmap(dpr));
  return window;
}

QImage RenderSheet(qreal dpr) {
  const QPalette palette = QGuiApplication::palette();
  Sheet sheet(1500, dpr);

  sheet.Caption(QStringLiteral("Glyphs (24 x 24), on button face"));
  const char* glyphNames[] = {"Paste", "Copy", "Swap", "FlagGerman", "FlagUnion", "Calculator", "Info", "End"};
  for (int g = 0; g <= static_cast<int>(Glyph::End); ++g) {
    QPixmap onFace(QSize(24, 24) * dpr);
    onFace.setDevicePixelRatio(dpr);
    onFace.fill(palette.color(QPalette::Button));
    QPainter p(&onFace);
    p.drawPixmap(0, 0, GlyphPixmap(static_cast<Glyph>(g), dpr));
    p.end();
    sheet.Add(onFace, QString::fromLatin1(glyphNames[g]), 44);
  }

  sheet.Caption(QStringLiteral("Key faces (36 x 34)"));
  for (int k = 0; k < kKeyFaceCount; ++k) sheet.Add(KeyFacePixmap(static_cast<KeyFace>(k), dpr), QString(), 5);

  sheet.Caption(QStringLiteral("Indicators: whole pictures, then each band through the strip"));
  const QPixmap shift = IndicatorShift(dpr), hyp = IndicatorHyp(dpr), drg = IndicatorDrg(dpr);
  sheet.Add(shift);
  sheet.Add(hyp);
  sheet.Add(drg, QString(), 20);
  for (int b = 0; b < 2; ++b) sheet.Add(ThroughStrip(shift, b, dpr));
  for (int b = 0; b < 2; ++b) sheet.Add(ThroughStrip(hyp, b, dpr));
  for (int b = 0; b < 3; ++b) sheet.Add(ThroughStrip(drg, b, dpr));

  sheet.Caption(QStringLiteral("Knob column, marker, decoration bitmap, icon"));
  sheet.Add(KnobColumn(palette, dpr), QStringLiteral("knobs"), 12);
  {
    QPixmap column = KnobColumn(palette, dpr);
    QPainter p(&column);
    p.drawPixmap(3, 3 + 18 * 4, Marker(dpr));
    p.end();
    sheet.Add(column, QStringLiteral("+marker"), 12);
  }
  sheet.Add(Marker(dpr), QStringLiteral("marker"), 12);
  sheet.Add(DecorationBitmap(palette, dpr), QStringLiteral("decoration"), 12);
  {
    QPixmap big = DecorationBitmap(palette, dpr).scaled(QSize(640, 128) * dpr);
    big.setDevicePixelRatio(dpr);
    sheet.Add(big, QStringLiteral("decoration x4"), 12);
  }
  for (int size : {16, 24, 32, 48, 64, 128}) sheet.Add(WindowIconPixmap(size, dpr), QString::number(size), 8);

  sheet.Caption(QStringLiteral("Background for strip heights 386 and 44, banner"));
  sheet.Add(BackgroundPicture(palette, 386, dpr), QStringLiteral("386"), 12);
  sheet.Add(BackgroundPicture(palette, 44, dpr), QStringLiteral("44"), 12);
  sheet.Add(BannerPixmap(dpr), QStringLiteral("banner"), 12);
  sheet.Caption(QStringLiteral("Mock-up with plain panels (strip heights 152 and 44)"));
  sheet.Add(MockWindow(palette, 152, dpr), QString(), 12);
  sheet.Add(MockWindow(palette, 44, dpr), QString(), 12);
  return sheet.Render();
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  const QImage one = RenderSheet(1.0);
  const QImage two = RenderSheet(2.0);
  // Side by side in device pixels: the dpr-1 sheet on the left, the dpr-2
  // sheet (twice as large) on the right.
  QImage out(one.width() + two.width(), std::max(one.height(), two.height()), QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::white);
  {
    QPainter p(&out);
    QImage a = one, b = two;
    a.setDevicePixelRatio(1);
    b.setDevicePixelRatio(1);
    p.drawImage(0, 0, a);
    p.drawImage(one.width(), 0, b);
  }
  if (!out.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
