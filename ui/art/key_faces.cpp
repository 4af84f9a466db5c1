// Faces of the calculator keys: a rounded plastic key with its lettering.
#include "artwork.h"
#include "paint_util.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <utility>

namespace umrido::art {

using detail::Line;
using detail::Run;

namespace {

enum class Body { Digit, Operation, Function, Mode, Clear };

struct BodyColours {
  QColor top, bottom, edge;
};

BodyColours ColoursOf(Body body) {
  switch (body) {
    case Body::Digit:
      return {QColor(255, 255, 252), QColor(228, 228, 220), QColor(120, 120, 112)};
    case Body::Operation:
      return {QColor(214, 217, 222), QColor(178, 182, 190), QColor(98, 102, 110)};
    case Body::Function:
      return {QColor(242, 244, 248), QColor(214, 219, 228), QColor(112, 118, 130)};
    case Body::Mode:
      return {QColor(78, 124, 212), QColor(30, 68, 156), QColor(14, 36, 96)};
    case Body::Clear:
      return {QColor(236, 84, 70), QColor(180, 30, 24), QColor(100, 10, 8)};
  }
  return {};
}

// The key: a dark skirt showing below the face gives it depth; the face
// carries a gentle vertical gradient and a light upper rim.
QRectF PaintBody(QPainter& p, Body body) {
  const BodyColours c = ColoursOf(body);
  const QRectF skirt(1, 1.5, 34, 31.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawRoundedRect(skirt.translated(0, 0.5), 5, 5);
  p.setBrush(c.edge);
  p.drawRoundedRect(skirt.adjusted(0, 0, 0, -0.5), 5, 5);
  const QRectF face(2, 1.5, 32, 28.5);
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  g.setColorAt(0, c.top);
  g.setColorAt(1, c.bottom);
  p.setBrush(g);
  p.drawRoundedRect(face, 4, 4);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, body == Body::Mode || body == Body::Clear ? 80 : 170), 1.0));
  p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
  return face;
}

const QColor kBlack(20, 20, 24);
const QColor kBlue(22, 70, 196);
const QColor kRed(204, 26, 34);
const QColor kYellow(255, 222, 60);
const QColor kWhite(255, 255, 255);

// Main size and superscript size of the function lettering.
constexpr qreal kBig = 15;
constexpr qreal kSup = 10;
constexpr qreal kRise = 6;

Line Word(const QString& text, const QColor& colour, qreal size) { return {Run{text, colour, size}}; }

// "x" followed by a raised exponent.
Line Powered(const QString& base, const QString& exponent, const QColor& colour) {
  return {Run{base, colour, kBig, 0, 0.5, base == QStringLiteral("x")},
          Run{exponent, colour, kSup, kRise, 0, exponent == QStringLiteral("x") || exponent == QStringLiteral("y")}};
}

// Draws a radical sign over `radicand`, optionally with a small index in its
// crook; drawn as a path so it does not depend on the font having one.
void DrawRoot(QPainter& p, const QRectF& face, const QString& index, const QColor& colour) {
  const QFont xFont = detail::ArtFont(kBig, true, true);
  const QFontMetricsF xm(xFont);
  const qreal xWidth = xm.horizontalAdvance(QStringLiteral("x"));
  const qreal cap = xm.xHeight();
  const qreal signWidth = 9;
  const QFont indexFont = detail::ArtFont(kSup, true, true);
  // The index tucks into the crook of the sign, overhanging it a little.
  const qreal indexOverhang = index.isEmpty() ? 0 : QFontMetricsF(indexFont).horizontalAdvance(index) - 2;
  const qreal total = indexOverhang + signWidth + 1 + xWidth;
  const qreal left = face.center().x() - total / 2 + indexOverhang;
  const qreal baseline = face.center().y() + cap / 2 + 1;
  const qreal top = baseline - cap - 4;

  QPainterPath sign;
  sign.moveTo(left, baseline - cap * 0.45);
  sign.lineTo(left + 2.2, baseline - cap * 0.6);
  sign.lineTo(left + 4.6, baseline + 0.5);
  sign.lineTo(left + signWidth, top);
  sign.lineTo(left + total + 1, top);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(sign);

  p.setFont(xFont);
  p.setPen(colour);
  p.drawText(QPointF(left + signWidth + 1, baseline), QStringLiteral("x"));
  if (!index.isEmpty()) {
    p.setFont(indexFont);
    const qreal w = QFontMetricsF(indexFont).horizontalAdvance(index);
    p.drawText(QPointF(left + 2 - w, baseline - cap * 0.7), index);
  }
}

struct FaceDesign {
  Body body;
  std::vector<Line> lines;
};

FaceDesign DesignOf(KeyFace face) {
  const auto digit = [](int d) { return FaceDesign{Body::Digit, {Word(QString::number(d), kBlack, 17)}}; };
  const auto trig = [](const QString& fn, bool hyp, bool arc) {
    const QColor fnColour = (arc && !hyp) ? kBlue : kBlack;
    if (!hyp && !arc) return FaceDesign{Body::Function, {Word(fn, kBlack, 12)}};
    Line first;
    // With both prefixes the first line is squeezed to fit the key.
    const qreal squeeze = (hyp && arc) ? 0.78 : 1.0;
    if (hyp) first.push_back(Run{QStringLiteral("HYP"), kRed, 9, 0, arc ? 2.0 : 0.0, false, squeeze});
    if (arc) first.push_back(Run{QStringLiteral("ARC"), kBlue, 9, 0, 0, false, squeeze});
    return FaceDesign{Body::Function, {first, Word(fn, fnColour, 12)}};
  };
  const QString minus = QString(QChar(0x2212));
  switch (face) {
    case KeyFace::Digit0:
      return digit(0);
    case KeyFace::Digit1:
      return digit(1);
    case KeyFace::Digit2:
      return digit(2);
    case KeyFace::Digit3:
      return digit(3);
    case KeyFace::Digit4:
      return digit(4);
    case KeyFace::Digit5:
      return digit(5);
    case KeyFace::Digit6:
      return digit(6);
    case KeyFace::Digit7:
      return digit(7);
    case KeyFace::Digit8:
      return digit(8);
    case KeyFace::Digit9:
      return digit(9);
    case KeyFace::Comma:
      return {Body::Digit, {Word(QStringLiteral(","), kBlack, 20)}};
    case KeyFace::PlusMinus:
      return {Body::Digit, {Word(QString(QChar(0x00B1)), kBlack, 17)}};
    case KeyFace::Divide:
      return {Body::Operation, {Word(QStringLiteral("/"), kBlack, 17)}};
    case KeyFace::Multiply:
      return {Body::Operation, {Word(QStringLiteral("*"), kBlack, 20)}};
    case KeyFace::Minus:
      return {Body::Operation, {Word(minus, kBlack, 18)}};
    case KeyFace::Plus:
      return {Body::Operation, {Word(QStringLiteral("+"), kBlack, 18)}};
    case KeyFace::Equals:
      return {Body::Operation, {Word(QStringLiteral("="), kBlack, 18)}};
    case KeyFace::MPlus:
      return {Body::Operation, {Word(QStringLiteral("M+"), kBlack, 13)}};
    case KeyFace::MMinus:
      return {Body::Operation, {Word(QStringLiteral("M") + minus, kBlack, 13)}};
    case KeyFace::MR:
      return {Body::Operation, {Word(QStringLiteral("MR"), kBlack, 13)}};
    case KeyFace::MC:
      return {Body::Operation, {Word(QStringLiteral("MC"), kBlack, 13)}};
    case KeyFace::Shift:
      return {Body::Mode, {Word(QStringLiteral("SHIFT"), kYellow, 9)}};
    case KeyFace::Hyp:
      return {Body::Mode, {Word(QStringLiteral("HYP"), kYellow, 11)}};
    case KeyFace::Exp:
      return {Body::Mode, {Word(QStringLiteral("EXP"), kYellow, 11)}};
    case KeyFace::DRG:
      return {Body::Mode, {Word(QStringLiteral("DRG"), kYellow, 11)}};
    case KeyFace::CE:
      return {Body::Clear, {Word(QStringLiteral("CE"), kWhite, 14)}};
    case KeyFace::Reciprocal:
      return {Body::Function, {Powered(QStringLiteral("x"), minus + "1", kBlack)}};
    case KeyFace::Square:
      return {Body::Function, {Powered(QStringLiteral("x"), QStringLiteral("2"), kBlack)}};
    case KeyFace::SquareRoot:
      return {Body::Function, {}};
    case KeyFace::Ln:
      return {Body::Function, {Word(QStringLiteral("ln"), kBlack, kBig)}};
    case KeyFace::Lg:
      return {Body::Function, {Word(QStringLiteral("lg"), kBlack, kBig)}};
    case KeyFace::Pi:
      return {Body::Function, {Word(QString(QChar(0x03C0)), kBlack, 18)}};
    case KeyFace::Factorial:
      return {Body::Function,
              {{Run{QStringLiteral("x"), kBlue, kBig, 0, 0.5, true}, Run{QStringLiteral("!"), kBlue, kBig}}}};
    case KeyFace::Power:
      return {Body::Function, {Powered(QStringLiteral("x"), QStringLiteral("y"), kBlue)}};
    case KeyFace::Root:
      return {Body::Function, {}};
    case KeyFace::ExpE:
      return {Body::Function, {Powered(QStringLiteral("e"), QStringLiteral("x"), kBlue)}};
    case KeyFace::Exp10:
      return {Body::Function, {Powered(QStringLiteral("10"), QStringLiteral("x"), kBlue)}};
    case KeyFace::Euler:
      return {Body::Function, {Word(QStringLiteral("e"), kBlue, 18)}};
    case KeyFace::Sin:
      return trig(QStringLiteral("SIN"), false, false);
    case KeyFace::Cos:
      return trig(QStringLiteral("COS"), false, false);
    case KeyFace::Tan:
      return trig(QStringLiteral("TAN"), false, false);
    case KeyFace::ArcSin:
      return trig(QStringLiteral("SIN"), false, true);
    case KeyFace::ArcCos:
      return trig(QStringLiteral("COS"), false, true);
    case KeyFace::ArcTan:
      return trig(QStringLiteral("TAN"), false, true);
    case KeyFace::HypSin:
      return trig(QStringLiteral("SIN"), true, false);
    case KeyFace::HypCos:
      return trig(QStringLiteral("COS"), true, false);
    case KeyFace::HypTan:
      return trig(QStringLiteral("TAN"), true, false);
    case KeyFace::HypArcSin:
      return trig(QStringLiteral("SIN"), true, true);
    case KeyFace::HypArcCos:
      return trig(QStringLiteral("COS"), true, true);
    case KeyFace::HypArcTan:
      return trig(QStringLiteral("TAN"), true, true);
  }
  return {Body::Function, {}};
}

}  // namespace

QPixmap KeyFacePixmap(KeyFace face, qreal dpr) {
  QImage canvas = detail::MakeCanvas(kKeyFaceSize, dpr);
  QPainter painter(&canvas);
  detail::PrepareSmooth(painter);
  const FaceDesign design = DesignOf(face);
  const QRectF faceRect = PaintBody(painter, design.body);
  // Lettering sits a touch above the face's centre, where the eye expects it
  // on a key whose lower edge is shaded.
  const QRectF letterBox = faceRect.translated(0, -0.5);
  if (face == KeyFace::SquareRoot)
    DrawRoot(painter, letterBox, QString(), kBlack);
  else if (face == KeyFace::Root)
    DrawRoot(painter, letterBox, QStringLiteral("y"), kBlue);
  else
    detail::DrawLinesCentred(painter, letterBox, design.lines, 3);
  painter.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace umrido::art
