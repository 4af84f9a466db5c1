#include "panels.h"

#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "baked.h"

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
  // Every pixel is painted, so whatever lies beneath (the right-hand panels
  // share one place) is not painted in vain.
  setAttribute(Qt::WA_OpaquePaintEvent);
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

Backdrop::Backdrop(QWidget* parent, const char* name, const QRect& geometry) : QWidget(parent) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::SetDecoration(const QPixmap& decoration) {
  decoration_ = decoration;
  update();
}

void Backdrop::SetStripHeight(int stripHeight) {
  if (stripHeight == stripHeight_) return;
  stripHeight_ = stripHeight;
  update();
}

void Backdrop::paintEvent(QPaintEvent*) {
  QPainter p(this);
  art::PaintBackground(p, decoration_, stripHeight_);
}

PictureLabel::PictureLabel(QWidget* parent, const char* name, const QRect& geometry) : QLabel(parent) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::mousePressEvent(QMouseEvent* e) {
  emit pressed(e->button(), PixelOf(e));
  e->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* e) {
  emit released(e->button(), PixelOf(e));
  e->accept();
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  // A quick second click is a press like any other.
  mousePressEvent(e);
}

namespace {

// Draws a glyph at the size it is asked for, when it is first asked for: the
// window needs each glyph at one pixel ratio only, usually, and drawing all
// the possible ones up front would slow down the start.
class GlyphIconEngine : public QIconEngine {
 public:
  explicit GlyphIconEngine(art::Glyph glyph) : glyph_(glyph) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    for (const QPixmap& p : cache_) {
      if (p.size() == size) return p;
    }
    const qreal scale = qMax(1, size.width()) / qreal(art::kGlyphSize.width());
    QPixmap p = art::GlyphOf(glyph_, scale);
    p.setDevicePixelRatio(1.0);
    if (p.size() != size) p = p.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    cache_.append(p);
    return p;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal dpr = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap p = pixmap((QSizeF(rect.size()) * dpr).toSize(), mode, state);
    p.setDevicePixelRatio(dpr);
    painter->drawPixmap(rect.topLeft(), p);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new GlyphIconEngine(*this); }

 private:
  art::Glyph glyph_;
  QList<QPixmap> cache_;
};

}  // namespace

QIcon GlyphIcon(art::Glyph glyph) { return QIcon(new GlyphIconEngine(glyph)); }

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
