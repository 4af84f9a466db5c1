#include "artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace umrido::art;

QImage Pixels(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// A palette whose frame colours are all different, so a pixel tells which
// role painted it.
QPalette TestPalette() {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(200, 200, 200));
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  palette.setColor(QPalette::Shadow, QColor(40, 40, 40));
  palette.setColor(QPalette::Light, QColor(255, 255, 255));
  palette.setColor(QPalette::Midlight, QColor(228, 228, 228));
  return palette;
}

// ------------------------------------------------------------- sizes

struct SizeCase {
  std::string name;
  std::function<QPixmap(qreal)> make;
  QSize logical;
};

std::vector<SizeCase> SizeCases() {
  const QPalette palette = TestPalette();
  return {
      {"glyph", [](qreal d) { return GlyphPixmap(Glyph::Swap, d); }, {24, 24}},
      {"key face", [](qreal d) { return KeyFacePixmap(KeyFace::HypArcTan, d); }, {36, 34}},
      {"shift", [](qreal d) { return IndicatorShift(d); }, {26, 15}},
      {"hyp", [](qreal d) { return IndicatorHyp(d); }, {21, 15}},
      {"drg", [](qreal d) { return IndicatorDrg(d); }, {101, 24}},
      {"knobs", [palette](qreal d) { return KnobColumn(palette, d); }, {16, 380}},
      {"marker", [](qreal d) { return Marker(d); }, {9, 9}},
      {"decoration", [palette](qreal d) { return DecorationBitmap(palette, d); }, {160, 32}},
      {"background", [palette](qreal d) { return BackgroundPicture(palette, 386, d); }, {622, 478}},
      {"banner", [](qreal d) { return BannerPixmap(d); }, {195, 334}},
      {"icon 48", [](qreal d) { return WindowIconPixmap(48, d); }, {48, 48}},
  };
}

TEST(ArtSizes, LogicalSizeTimesRatio) {
  for (const SizeCase& c : SizeCases()) {
    for (qreal dpr : {1.0, 1.5, 2.0}) {
      SCOPED_TRACE(c.name + " at dpr " + std::to_string(dpr));
      const QPixmap pixmap = c.make(dpr);
      EXPECT_EQ(pixmap.size(), c.logical * dpr);
      EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), dpr);
    }
  }
}

// ------------------------------------------------------ transparency

void ExpectCornersTransparent(const QImage& image, const std::string& what) {
  const int w = image.width() - 1, h = image.height() - 1;
  for (QPoint p : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
    EXPECT_EQ(qAlpha(image.pixel(p)), 0) << what << " corner " << p.x() << "," << p.y();
  }
}

TEST(ArtTransparency, GlyphKeyAndMarkerCornersAreClear) {
  for (qreal dpr : {1.0, 2.0}) {
    for (int g = 0; g <= static_cast<int>(Glyph::End); ++g)
      ExpectCornersTransparent(Pixels(GlyphPixmap(static_cast<Glyph>(g), dpr)), "glyph " + std::to_string(g));
    for (int k = 0; k < kKeyFaceCount; ++k)
      ExpectCornersTransparent(Pixels(KeyFacePixmap(static_cast<KeyFace>(k), dpr)), "key " + std::to_string(k));
    ExpectCornersTransparent(Pixels(Marker(dpr)), "marker");
  }
}

TEST(ArtTransparency, MarkerCentreIsOpaqueRed) {
  const QRgb centre = Pixels(Marker(1.0)).pixel(4, 4);
  EXPECT_EQ(qAlpha(centre), 255);
  EXPECT_GT(qRed(centre), 150);
  EXPECT_LT(qGreen(centre), 90);
}

// ------------------------------------------------------------- knobs

const QColor kFace(200, 200, 200);
const QColor kShadow(128, 128, 128);

// One knob cell: a white disc with bulges to the right and below, a shadow
// rim from (2,11) round to (11,2) and a black rim from (3,10) to (11,3), each
// without its end point, and the face-coloured rim drawn over the disc.
const std::pair<QColor, std::vector<QPoint>> kKnobPixels[] = {
    {Qt::white, {{7, 7}, {13, 7}, {7, 13}, {12, 3}}},
    {kFace, {{14, 7}, {7, 14}, {0, 0}, {12, 2}, {3, 11}, {7, 12}, {12, 7}, {7, 16}, {7, 17}}},
    {kShadow, {{2, 11}, {1, 7}, {7, 1}, {11, 2}}},
    {Qt::black, {{3, 10}, {2, 7}, {7, 2}, {11, 3}}},
};

TEST(KnobColumn, CellPixelsRepeatEvery18Rows) {
  const QImage image = Pixels(KnobColumn(TestPalette(), 1.0));
  for (int row : {0, 1, 10, 20}) {
    for (const auto& [colour, points] : kKnobPixels) {
      for (QPoint p : points) {
        if (row == 20 && p.y() >= 16) continue;  // the column ends with the last knob
        EXPECT_EQ(QColor(image.pixel(p.x(), p.y() + 18 * row)), colour) << p.x() << "," << p.y() << " in row " << row;
      }
    }
  }
}

// -------------------------------------------------------- indicators

struct IndicatorCase {
  std::string name;
  std::function<QPixmap(qreal)> make;
  int bands;
};

bool RowIsWhite(const QImage& image, int y) {
  for (int x = 0; x < image.width(); ++x)
    if (QColor(image.pixel(x, y)) != QColor(Qt::white)) return false;
  return true;
}

TEST(Indicators, LetteringStaysInsideItsBand) {
  const IndicatorCase cases[] = {{"shift", IndicatorShift, 2}, {"hyp", IndicatorHyp, 2}, {"drg", IndicatorDrg, 3}};
  for (const IndicatorCase& c : cases) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage image = Pixels(c.make(dpr));
      const int scale = static_cast<int>(dpr);
      for (int band = 0; band < c.bands; ++band) {
        SCOPED_TRACE(c.name + " band " + std::to_string(band) + " dpr " + std::to_string(dpr));
        const int top = 9 * band * scale;
        bool lettered = false;
        for (int y = top; y < top + 6 * scale; ++y) lettered |= !RowIsWhite(image, y);
        EXPECT_TRUE(lettered);
        // The rows below the lettering show through the strip when the next
        // band is up (and the last band has only six rows); they stay white.
        for (int y = top + 6 * scale; y < std::min(top + 9 * scale, image.height()); ++y)
          EXPECT_TRUE(RowIsWhite(image, y)) << "row " << y;
      }
    }
  }
}

TEST(Indicators, DrgBandHighlightsOneWord) {
  const QImage image = Pixels(IndicatorDrg(1.0));
  for (int band = 0; band < 3; ++band) {
    for (int third = 0; third < 3; ++third) {
      bool black = false;
      for (int y = 9 * band; y < 9 * band + 6; ++y)
        for (int x = third * 33; x < third * 33 + 33; ++x) black |= QColor(image.pixel(x, y)) == QColor(Qt::black);
      EXPECT_EQ(black, band == third) << "band " << band << " word " << third;
    }
  }
}

// -------------------------------------------------------- background

// Every frame piece lands at its place: each target rectangle (left, top,
// right, bottom; clipped to the picture) holds some frame colour.
TEST(Background, FramePiecesArePresent) {
  const QColor desktop = DesktopColor();
  const QImage image = Pixels(BackgroundPicture(TestPalette(), 152, 1.0));
  const QRect pieces[] = {
      {0, 35, 622, 2},    {380, 35, 9, 14},  {226, 35, 9, 14},  {402, 50, 8, 9},    {402, 398, 8, 9}, {410, 51, 212, 8},
      {410, 399, 212, 8}, {402, 59, 8, 339}, {207, 50, 8, 9},   {207, 398, 8, 9},   {0, 51, 207, 8},  {0, 399, 207, 8},
      {207, 59, 8, 339},  {233, 49, 3, 130}, {379, 49, 3, 130}, {233, 179, 149, 9},
  };
  for (const QRect& r : pieces) {
    int framed = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) framed += QColor(image.pixel(x, y)) != desktop;
    EXPECT_GT(framed, r.width() * r.height() / 4) << r.x() << "," << r.y();
  }
  // Open ground stays desktop-coloured, also below a short strip.
  for (QPoint p : {QPoint(300, 200), QPoint(300, 470), QPoint(220, 300), QPoint(5, 5)})
    EXPECT_EQ(QColor(image.pixel(p)), desktop) << p.x() << "," << p.y();
}

TEST(Background, RepaintingTheStripFrameMatchesAFreshPicture) {
  const QPalette palette = TestPalette();
  for (qreal dpr : {1.0, 1.5, 2.0}) {
    QPixmap background = BackgroundPicture(palette, 386, dpr);
    PaintStripFrame(background, DecorationBitmap(palette, dpr), 44);
    EXPECT_EQ(Pixels(background), Pixels(BackgroundPicture(palette, 44, dpr))) << dpr;
    EXPECT_DOUBLE_EQ(background.devicePixelRatio(), dpr);
  }
}

// ------------------------------------------------------ banner, icon

TEST(Banner, ToggleSpotCarriesADetail) {
  const QImage image = Pixels(BannerPixmap(1.0));
  const QPoint spot = kBannerToggleSpot;
  EXPECT_NE(image.pixel(spot), image.pixel(spot + QPoint(-5, 0)));
  EXPECT_NE(image.pixel(spot), image.pixel(spot + QPoint(5, 0)));
}

TEST(Glyphs, AreAllDifferent) {
  for (int a = 0; a <= static_cast<int>(Glyph::End); ++a) {
    for (int b = 0; b < a; ++b) {
      EXPECT_NE(Pixels(GlyphPixmap(static_cast<Glyph>(a), 1.0)), Pixels(GlyphPixmap(static_cast<Glyph>(b), 1.0)))
          << a << " " << b;
    }
  }
}

TEST(Icon, OffersAllSizes) {
  const QList<QSize> sizes = WindowIcon().availableSizes();
  for (int s : {16, 24, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

}  // namespace

int main(int argc, char** argv) {
  // The pictures need a Qt platform but no screen; this also lets the test
  // discovery run headless.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
