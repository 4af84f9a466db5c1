#include "panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace umrido::ui {

QColor PaleColour(const QPalette& palette) {
  const QColor face = palette.color(QPalette::Button);
  const QColor white = palette.color(QPalette::Base);
  // Halfway between the panel grey and white, tinted slightly warm so the
  // alternating rows read apart.
  return QColor((face.red() + white.red()) / 2, (face.green() + white.green()) / 2,
                qMax(0, (face.blue() + white.blue()) / 2 - 8));
}

QPoint PixelOf(const QMouseEvent* e) {
  const QPointF p = e->position();
  return QPoint(qFloor(p.x()), qFloor(p.y()));
}

namespace {

void DrawBevel(QPainter& p, QRect& r, Panel::Bevel bevel, const QPalette& pal) {
  if (bevel == Panel::Bevel::None) return;
  const QColor light = pal.color(QPalette::Light);
  const QColor dark = pal.color(QPalette::Dark);
  const QColor topLeft = bevel == Panel::Bevel::Raised ? light : dark;
  const QColor bottomRight = bevel == Panel::Bevel::Raised ? dark : light;
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  r.adjust(1, 1, -1, -1);
}

}  // namespace

Panel::Panel(QWidget* parent, const char* name, const QRect& geometry, Bevel outer, Bevel inner)
    : QWidget(parent), outer_(outer), inner_(inner) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Button));
  QRect r = rect();
  DrawBevel(p, r, outer_, palette());
  DrawBevel(p, r, inner_, palette());
}

BevelFrame::BevelFrame(QWidget* parent, const char* name, const QRect& geometry) : QWidget(parent) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
}

void BevelFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  DrawBevel(p, r, Panel::Bevel::Lowered, palette());
}

PictureLabel::PictureLabel(QWidget* parent, const char* name, const QRect& geometry) : QLabel(parent) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::mousePressEvent(QMouseEvent* e) {
  if (onPress) onPress(e->button(), PixelOf(e));
  e->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (onRelease) onRelease(e->button(), PixelOf(e));
  e->accept();
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  // A quick second click is a press like any other.
  mousePressEvent(e);
}

QIcon GlyphIcon(art::Glyph glyph) {
  QIcon icon;
  for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) icon.addPixmap(art::GlyphPixmap(glyph, dpr));
  return icon;
}

QToolButton* MakeGlyphButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                             bool checkable) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(geometry);
  b->setAutoRaise(true);
  b->setCheckable(checkable);
  b->setFocusPolicy(Qt::NoFocus);
  b->setIcon(glyph);
  b->setIconSize(art::kGlyphSize);
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, Qt::Alignment alignment) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  l->setGeometry(geometry);
  l->setAlignment(alignment);
  return l;
}

}  // namespace umrido::ui
