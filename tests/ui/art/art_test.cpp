#include "artwork.h"
#include "baked.h"
#include "paint_util.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace umrido::art;

QImage Pixels(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// The first frame compares every picture it shows pixel for pixel, at the
// ratios 1 and 2; the checks here cover what it does not show.
TEST(ArtSizes, LogicalSizeTimesRatio) {
  const std::tuple<const char*, QPixmap (*)(qreal), QSize> cases[] = {
      {"glyph", [](qreal d) { return GlyphPixmap(Glyph::Swap, d); }, {24, 24}},
      {"background", [](qreal d) { return BackgroundPicture(QPalette(), 386, d); }, {622, 478}},
      {"icon 48", [](qreal d) { return WindowIconPixmap(48, d); }, {48, 48}},
  };
  for (const auto& [name, make, logical] : cases) {
    for (qreal dpr : {1.0, 1.5, 2.0}) {
      const QPixmap pixmap = make(dpr);
      EXPECT_EQ(pixmap.size(), logical * dpr) << name << " at " << dpr;
      EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), dpr) << name;
    }
  }
}

// The first frame shows the DEG band only.
TEST(Indicators, DrgBandHighlightsOneWord) {
  const QImage image = Pixels(IndicatorDrg(1.0));
  int columns[3] = {};  // the black columns of each band
  for (int band = 0; band < 3; ++band) {
    bool words[3] = {};
    for (int x = 0; x < image.width(); ++x) {
      bool black = false;
      for (int y = 9 * band; y < 9 * band + 6; ++y) black |= QColor(image.pixel(x, y)) == QColor(Qt::black);
      columns[band] += black ? 1 : 0;
      if (x < 99) words[x / 33] |= black;
    }
    for (int word = 0; word < 3; ++word) EXPECT_EQ(words[word], band == word) << "band " << band << " word " << word;
  }
  // DEG, RAD, GRAD in this order: the highlighted word of the last band, the
  // only one of four letters, is the widest.
  EXPECT_GT(columns[2], columns[1]);
  EXPECT_GT(columns[2], columns[0]);
}

// The first frame shows the strip frame at one height only.
TEST(Background, RepaintingTheStripFrameMatchesAFreshPicture) {
  const QPalette palette;
  for (qreal dpr : {1.0, 1.5, 2.0}) {
    QPixmap background = BackgroundPicture(palette, 386, dpr);
    PaintStripFrame(background, DecorationBitmap(palette, dpr), 44);
    EXPECT_EQ(Pixels(background), Pixels(BackgroundPicture(palette, 44, dpr))) << dpr;
    EXPECT_DOUBLE_EQ(background.devicePixelRatio(), dpr);
  }
}

TEST(Icon, TitleBarAndTaskSwitcherSizes) {
  const QList<QSize> sizes = ApplicationIcon().availableSizes();
  for (int s : {16, 32, 128}) {
    EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    // A stored size is handed out as stored, not scaled down from a larger one.
    EXPECT_EQ(ApplicationIcon().pixmap(s).toImage(), Picture(qPrintable(QStringLiteral("icon%1").arg(s)), 1).toImage());
  }
}

// Every stored picture unpacks to exactly what the drawing code makes in this
// build, at the ratio it was stored for: the window shows the same pixels
// whether a picture was stored or drawn.
TEST(Baked, UnpacksToTheDrawing) {
  std::vector<std::pair<std::string, qreal>> stored;
  for (qreal dpr : kBakedRatios) {
    for (const char* name : kBakedNames) stored.emplace_back(name, dpr);
  }
  // The flat buttons ask for their glyphs 22 pixels wide at every ratio.
  for (qreal dpr : kBakedRatios) stored.emplace_back("glyphs", 22 * dpr / 24);
  for (int size : kIconSizes) stored.emplace_back("icon" + std::to_string(size), 1);
  for (const auto& [name, dpr] : stored) {
    const QImage baked = Baked(name.c_str(), dpr);
    ASSERT_FALSE(baked.isNull()) << name << " at " << dpr;
    EXPECT_EQ(baked, DrawnPicture(name.c_str(), dpr)) << name << " at " << dpr;
    EXPECT_DOUBLE_EQ(baked.devicePixelRatio(), dpr) << name;
  }
  EXPECT_TRUE(Baked("banner", 1.5).isNull());
}

// Every picture the first frame does not show (the keys of every layer, all
// glyphs and indicators, the icons), pixel for pixel against references made
// by a build whose pictures were checked by eye; UMRIDO_RECORD_PICTURES=1
// writes them anew. Lettering depends on the font fontconfig picks and edges
// on Qt's rasteriser: under another font or Qt version the check is skipped.
TEST(Pictures, SameAsReference) {
  const QString dir = QStringLiteral(UMRIDO_PICTURES_DIR);
  const QString origin =
      QStringLiteral("Qt %1, %2\n").arg(QLatin1String(qVersion()), QFontInfo(detail::ArtFont(12)).family());
  QFile stamp(dir + QStringLiteral("/origin.txt"));
  const bool record = qEnvironmentVariableIsSet("UMRIDO_RECORD_PICTURES");
  if (record) {
    ASSERT_TRUE(stamp.open(QIODevice::WriteOnly) && stamp.write(origin.toUtf8()) > 0);
  } else if (!stamp.open(QIODevice::ReadOnly) || QString::fromUtf8(stamp.readAll()) != origin) {
    GTEST_SKIP() << "the references were made under another Qt or font than " << origin.toStdString();
  }
  std::vector<std::string> names = {"keys", "glyphs", "shift", "hyp", "drg"};
  for (int size : kIconSizes) names.push_back("icon" + std::to_string(size));
  for (const std::string& name : names) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage picture = DrawnPicture(name.c_str(), dpr).convertToFormat(QImage::Format_ARGB32);
      const QString file = dir + QStringLiteral("/%1@%2x.png").arg(QString::fromStdString(name)).arg(dpr);
      if (record) {
        EXPECT_TRUE(picture.save(file)) << file.toStdString();
      } else {
        EXPECT_TRUE(picture == QImage(file).convertToFormat(QImage::Format_ARGB32)) << file.toStdString();
      }
    }
  }
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
