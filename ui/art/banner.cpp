// The banner panel's picture: an evening landscape "photograph" above a
// hand-lettered offer of the space to advertisers.
#include "artwork.h"
#include "paint_util.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <utility>

namespace umrido::art {

namespace {

// Deterministic wobble for the hand lettering: the picture must look the
// same on every start, so no real randomness.
class Wobble {
 public:
  explicit Wobble(std::uint32_t seed) : state_(seed) {}
  // Uniform in [-1, 1].
  qreal Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<qreal>((state_ >> 8) & 0xFFFF) / 32767.5 - 1.0;
  }

 private:
  std::uint32_t state_;
};

const QRectF kPhoto(12, 26, 171, 118);

void PaintPhoto(QPainter& p) {
  // White print border with a soft shadow, slightly larger than the scene.
  const QRectF print = kPhoto.adjusted(-5, -5, 5, 5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRect(print.translated(2, 2));
  p.setBrush(QColor(253, 253, 250));
  p.drawRect(print);

  p.save();
  p.setClipRect(kPhoto);
  const qreal horizon = kPhoto.top() + 78;

  QLinearGradient sky(QPointF(0, kPhoto.top()), QPointF(0, horizon));
  sky.setColorAt(0.0, QColor(28, 52, 112));
  sky.setColorAt(0.45, QColor(78, 104, 168));
  sky.setColorAt(0.8, QColor(232, 150, 120));
  sky.setColorAt(1.0, QColor(252, 196, 112));
  p.fillRect(QRectF(kPhoto.left(), kPhoto.top(), kPhoto.width(), horizon - kPhoto.top()), sky);

  // The setting sun with a glow.
  const QPointF sun(kPhoto.left() + 118, horizon - 15);
  QRadialGradient glow(sun, 34);
  glow.setColorAt(0, QColor(255, 236, 170, 220));
  glow.setColorAt(1, QColor(255, 200, 120, 0));
  p.setBrush(glow);
  p.drawEllipse(sun, 34, 34);
  p.setBrush(QColor(255, 244, 200));
  p.drawEllipse(sun, 10, 10);

  // A few thin clouds.
  p.setBrush(QColor(255, 214, 190, 120));
  p.drawRoundedRect(QRectF(kPhoto.left() + 18, kPhoto.top() + 44, 54, 3.5), 2, 2);
  p.drawRoundedRect(QRectF(kPhoto.left() + 34, kPhoto.top() + 50, 40, 2.5), 1.2, 1.2);
  p.drawRoundedRect(QRectF(kPhoto.left() + 104, kPhoto.top() + 38, 48, 3), 1.5, 1.5);

  // Far mountains, then nearer hills.
  QPainterPath far;
  far.moveTo(kPhoto.left(), horizon);
  far.lineTo(kPhoto.left(), horizon - 18);
  far.lineTo(kPhoto.left() + 24, horizon - 34);
  far.lineTo(kPhoto.left() + 44, horizon - 22);
  far.lineTo(kPhoto.left() + 66, horizon - 40);
  far.lineTo(kPhoto.left() + 92, horizon - 20);
  far.lineTo(kPhoto.left() + 104, horizon - 26);
  far.lineTo(kPhoto.left() + 132, horizon - 10);
  far.lineTo(kPhoto.left() + 150, horizon - 24);
  far.lineTo(kPhoto.right(), horizon - 14);
  far.lineTo(kPhoto.right(), horizon);
  far.closeSubpath();
  QLinearGradient farFill(QPointF(0, horizon - 40), QPointF(0, horizon));
  farFill.setColorAt(0, QColor(110, 96, 150));
  farFill.setColorAt(1, QColor(160, 120, 150));
  p.setBrush(farFill);
  p.drawPath(far);
  // Snow caps on the two highest peaks.
  p.setBrush(QColor(245, 236, 240));
  QPainterPath snow;
  snow.moveTo(kPhoto.left() + 66, horizon - 40);
  snow.lineTo(kPhoto.left() + 72, horizon - 35.5);
  snow.lineTo(kPhoto.left() + 68, horizon - 36.5);
  snow.lineTo(kPhoto.left() + 65, horizon - 34);
  snow.lineTo(kPhoto.left() + 61, horizon - 36.2);
  snow.closeSubpath();
  snow.moveTo(kPhoto.left() + 24, horizon - 34);
  snow.lineTo(kPhoto.left() + 28.5, horizon - 31.3);
  snow.lineTo(kPhoto.left() + 25, horizon - 31.6);
  snow.lineTo(kPhoto.left() + 20, horizon - 30.7);
  snow.closeSubpath();
  p.drawPath(snow);

  // The lake with the sun's reflection.
  const qreal shore = horizon + 16;
  QLinearGradient water(QPointF(0, horizon), QPointF(0, shore));
  water.setColorAt(0, QColor(236, 170, 130));
  water.setColorAt(1, QColor(70, 90, 140));
  p.fillRect(QRectF(kPhoto.left(), horizon, kPhoto.width(), shore - horizon), water);
  p.setBrush(QColor(255, 240, 200, 170));
  for (int i = 0; i < 5; ++i) {
    const qreal w = 14 - 2.4 * i;
    p.drawRect(QRectF(sun.x() - w / 2, horizon + 2 + 3 * i, w, 1));
  }

  // Meadow in the foreground with a path towards the lake.
  QPainterPath meadow;
  meadow.moveTo(kPhoto.left(), kPhoto.bottom());
  meadow.lineTo(kPhoto.left(), shore - 2);
  meadow.cubicTo(kPhoto.left() + 50, shore - 6, kPhoto.left() + 110, shore + 4, kPhoto.right(), shore - 3);
  meadow.lineTo(kPhoto.right(), kPhoto.bottom());
  meadow.closeSubpath();
  QLinearGradient grass(QPointF(0, shore - 6), QPointF(0, kPhoto.bottom()));
  grass.setColorAt(0, QColor(96, 138, 64));
  grass.setColorAt(1, QColor(44, 84, 38));
  p.setBrush(grass);
  p.drawPath(meadow);
  QPainterPath path;
  path.moveTo(kPhoto.left() + 70, kPhoto.bottom());
  path.cubicTo(kPhoto.left() + 80, kPhoto.bottom() - 10, kPhoto.left() + 100, shore + 4, kPhoto.left() + 104,
               shore + 1);
  path.cubicTo(kPhoto.left() + 104, shore + 4, kPhoto.left() + 94, kPhoto.bottom() - 10, kPhoto.left() + 96,
               kPhoto.bottom());
  path.closeSubpath();
  p.setBrush(QColor(196, 170, 120));
  p.drawPath(path);

  // A fir tree on the left.
  const QPointF foot(kPhoto.left() + 30, kPhoto.bottom() - 6);
  p.setBrush(QColor(84, 60, 40));
  p.drawRect(QRectF(foot.x() - 1.5, foot.y() - 5, 3, 6));
  p.setBrush(QColor(26, 66, 40));
  for (int tier = 0; tier < 3; ++tier) {
    const qreal base = foot.y() - 4 - tier * 8;
    const qreal half = 11 - tier * 3;
    QPainterPath t;
    t.moveTo(foot.x() - half, base);
    t.lineTo(foot.x() + half, base);
    t.lineTo(foot.x(), base - 14);
    t.closeSubpath();
    p.drawPath(t);
  }

  // A signpost by the path, giving the distance in two units.
  const QPointF post(kPhoto.left() + 140, kPhoto.bottom() - 6);
  p.setBrush(QColor(110, 80, 50));
  p.drawRect(QRectF(post.x() - 1, post.y() - 26, 2, 27));
  p.setBrush(QColor(250, 246, 232));
  p.setPen(QPen(QColor(90, 70, 50), 0.8));
  p.drawRect(QRectF(post.x() - 2, post.y() - 27, 30, 8));
  p.drawRect(QRectF(post.x() - 2, post.y() - 18, 30, 8));
  p.setPen(QColor(60, 40, 30));
  p.setFont(detail::ArtFont(6.5, true));
  p.drawText(QRectF(post.x() - 2, post.y() - 27, 30, 8), Qt::AlignCenter, QStringLiteral("5 km"));
  p.drawText(QRectF(post.x() - 2, post.y() - 18, 30, 8), Qt::AlignCenter, QStringLiteral("3.1 mi"));

  // The first star of the evening, faint and tiny: the banner's secret spot.
  p.setPen(Qt::NoPen);
  const QPointF star(kBannerToggleSpot.x() + 0.5, kBannerToggleSpot.y() + 0.5);
  p.setBrush(QColor(255, 250, 220, 60));
  p.drawEllipse(star, 1.4, 1.4);
  p.setBrush(QColor(255, 252, 230, 200));
  p.drawEllipse(star, 0.55, 0.55);

  p.restore();
  // Thin inner edge of the print.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 60), 0.6));
  p.drawRect(kPhoto);
}

// Sets `text` centred on `baselineY` letter by letter, each letter slightly
// turned and lifted so the line looks written by hand with a brush pen.
void HandLetter(QPainter& p, const QString& text, qreal baselineY, qreal size, const QColor& ink, Wobble& wobble,
                qreal slope = 0) {
  const QFont font = detail::ArtFont(size, true, true);
  const QFontMetricsF fm(font);
  qreal x = 97.5 - fm.horizontalAdvance(text) / 2;
  p.setFont(font);
  for (int i = 0; i < text.size(); ++i) {
    const QString letter = text.mid(i, 1);
    const qreal advance = fm.horizontalAdvance(letter);
    p.save();
    const qreal y = baselineY + wobble.Next() * 0.9 + slope * (x - 97.5);
    p.translate(x + advance / 2, y);
    p.rotate(wobble.Next() * 4.0);
    // A pale under-stroke, then the ink: reads like a felt pen on paper.
    // Plain text drawing lets the font engine render the turned letters,
    // much cheaper than filling their outlines as paths.
    p.setPen(QColor(ink.red(), ink.green(), ink.blue(), 60));
    p.drawText(QPointF(-advance / 2 + 0.6, 0.7), letter);
    p.setPen(ink);
    p.drawText(QPointF(-advance / 2, 0), letter);
    p.restore();
    x += advance;
  }
}

}  // namespace

QPixmap BannerPixmap(qreal dpr) {
  // Warm paper with faint ruled lines.
  QImage canvas = detail::MakeCanvas(kBannerSize, dpr, QColor(251, 247, 234));
  QPainter p(&canvas);
  detail::PrepareSmooth(p);
  p.setPen(QPen(QColor(150, 180, 210, 55), 0.6));
  for (qreal y = 172; y < kBannerSize.height() - 4; y += 14) p.drawLine(QPointF(6, y), QPointF(189, y));

  // The notice at the top.
  p.fillRect(QRectF(0, 0, 195, 15), QColor(44, 58, 82));
  p.setPen(QColor(240, 232, 200));
  p.setFont(detail::ArtFont(9, true));
  p.drawText(QRectF(0, 0, 195, 15), Qt::AlignCenter, QStringLiteral("WERBEFL\u00C4CHE  \u00B7  ADVERTISING SPACE"));

  PaintPhoto(p);

  Wobble wobble(20261206u);
  const QColor red(196, 34, 40);
  const QColor blue(28, 62, 150);
  HandLetter(p, QStringLiteral("Hier k\u00F6nnte"), 178, 22, red, wobble, -0.01);
  HandLetter(p, QStringLiteral("Ihre Werbung"), 203, 22, red, wobble, 0.005);
  HandLetter(p, QStringLiteral("stehen!"), 228, 22, red, wobble, -0.008);
  // A brush underline below the German line.
  QPainterPath swash;
  swash.moveTo(44, 236);
  swash.cubicTo(80, 232, 120, 238, 152, 233);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(232, 178, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(swash);

  HandLetter(p, QStringLiteral("Your advertisement"), 258, 15, blue, wobble, 0.006);
  HandLetter(p, QStringLiteral("could be here!"), 276, 15, blue, wobble, -0.006);

  // Contact lines.
  p.setPen(QPen(QColor(120, 110, 90), 0.6, Qt::DashLine));
  p.drawLine(QPointF(20, 290.5), QPointF(175, 290.5));
  p.setPen(QColor(70, 64, 56));
  p.setFont(detail::ArtFont(9, true));
  p.drawText(QRectF(0, 294, 195, 12), Qt::AlignCenter, QStringLiteral("Kontakt / Contact:"));
  p.setFont(detail::ArtFont(9, false));
  p.drawText(QRectF(0, 306, 195, 12), Qt::AlignCenter, QStringLiteral("Issue-Tracker des Umrido-Projekts"));
  p.drawText(QRectF(0, 318, 195, 12), Qt::AlignCenter, QStringLiteral("the Umrido project\u2019s issue tracker"));
  p.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace umrido::art
