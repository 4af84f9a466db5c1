// Small building blocks of the window: grey panels with bevels, sunken
// frames, pictures that report mouse presses, flat glyph buttons.
#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include "artwork.h"

namespace umrido::ui {

// The pale colour of labels, strip rows and the result field (the toolkit's
// "button highlight" is plain white on most themes, too close to the white
// rows it alternates with).
QColor PaleColour(const QPalette& palette);

// A panel in the button-face colour with optional bevels.
class Panel : public QWidget {
  Q_OBJECT

 public:
  enum class Bevel { None, Raised, Lowered };
  Panel(QWidget* parent, const char* name, const QRect& geometry, Bevel outer = Bevel::None, Bevel inner = Bevel::None);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Bevel outer_;
  Bevel inner_;
};

// A 1-pixel sunken frame around a label or picture.
class BevelFrame : public QWidget {
  Q_OBJECT

 public:
  BevelFrame(QWidget* parent, const char* name, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// `ImageBack`: the window's ground with its frames, painted from the
// decoration pieces on each paint rather than kept as a picture the size of
// the window.
class Backdrop : public QWidget {
 public:
  Backdrop(QWidget* parent, const char* name, const QRect& geometry);
  void SetDecoration(const QPixmap& decoration);
  void SetStripHeight(int stripHeight);
  int StripHeight() const { return stripHeight_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPixmap decoration_;
  int stripHeight_ = 0;
};

// A picture that reports presses and releases of any mouse button with the
// position in logical pixels. The press grabs the pointer implicitly, so the
// release arrives here wherever the pointer went.
class PictureLabel : public QLabel {
  Q_OBJECT

 public:
  PictureLabel(QWidget* parent, const char* name, const QRect& geometry);

 signals:
  void pressed(Qt::MouseButton button, QPoint pos);
  void released(Qt::MouseButton button, QPoint pos);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A glyph rendered for the common pixel ratios, so buttons stay sharp on
// whichever screen the window is moved to.
QIcon GlyphIcon(art::Glyph glyph);

// A flat 24 x 24 button with a picture; never takes the keyboard focus.
QToolButton* MakeGlyphButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                             bool checkable);

// A plain label with the given geometry and alignment.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, Qt::Alignment alignment = Qt::AlignCenter);

// The pointer position of a mouse event in whole logical pixels.
QPoint PixelOf(const QMouseEvent* e);

}  // namespace umrido::ui
