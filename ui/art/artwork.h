// Every picture the Umrido window shows, drawn in code with QPainter.
//
// Each function that takes a device-pixel ratio returns a QPixmap whose
// logical size is the documented one and whose pixel size is that size times
// dpr (devicePixelRatio() is set to dpr), so the window can place it on its
// fixed pixel grid and still get sharp pictures on high-density screens.
// The functions keep no state, touch no files and are cheap enough to call
// while the window starts. They need a QGuiApplication (QPixmap does).
#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace umrido::art {

// ---------------------------------------------------------------- glyphs

// Motifs of the 24 x 24 flat buttons; transparent ground.
enum class Glyph { Paste, Copy, Swap, FlagGerman, FlagUnion, Calculator, Info, End };
inline constexpr QSize kGlyphSize{24, 24};
QPixmap GlyphPixmap(Glyph glyph, qreal dpr);

// ------------------------------------------------------ calculator keys

// One face per calculator key; 36 x 34, a rounded key on a transparent ground.
enum class KeyFace {
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Comma,
  PlusMinus,
  Divide,
  Multiply,
  Minus,
  Plus,
  Equals,
  MPlus,
  MMinus,
  MR,
  MC,
  Shift,
  Hyp,
  Exp,
  DRG,
  CE,
  Reciprocal,  // x⁻¹
  Square,      // x²
  SquareRoot,  // √x
  Ln,
  Lg,
  Pi,
  Factorial,  // x!
  Power,      // xʸ
  Root,       // ʸ√x
  ExpE,       // eˣ
  Exp10,      // 10ˣ
  Euler,      // e
  Sin,
  Cos,
  Tan,
  ArcSin,
  ArcCos,
  ArcTan,
  HypSin,
  HypCos,
  HypTan,
  HypArcSin,
  HypArcCos,
  HypArcTan,
};
inline constexpr int kKeyFaceCount = static_cast<int>(KeyFace::HypArcTan) + 1;
inline constexpr QSize kKeyFaceSize{36, 34};
QPixmap KeyFacePixmap(KeyFace face, qreal dpr);

// ------------------------------------------------- calculator indicators

// Stacked bands 9 px apart on a white ground; the window shows one band at a
// time through the 10 px high indicator strip by placing the picture at
// y = 2 - 9 * band. Each band's lettering lies in its rows 9*band .. 9*band+5,
// so nothing of a neighbouring band shows through the strip.
inline constexpr int kIndicatorBandPitch = 9;
inline constexpr QSize kIndicatorShiftSize{26, 15};
inline constexpr QSize kIndicatorHypSize{21, 15};
inline constexpr QSize kIndicatorDrgSize{101, 24};
QPixmap IndicatorShift(qreal dpr);  // band 0: SHIFT grey, band 1: SHIFT blue
QPixmap IndicatorHyp(qreal dpr);    // band 0: HYP grey,   band 1: HYP red
QPixmap IndicatorDrg(qreal dpr);    // bands 0..2: DEG / RAD / GRAD in black, others grey

// ------------------------------------------------------------ unit strip

// The selector column: button-face ground (QPalette::Button) with 21 sunken
// knobs at an 18 px pitch, the knob of row r in the cell (0, 18 r, 16, 16).
// Rim colours: QPalette::Dark (shadow), QPalette::Button (face), black.
inline constexpr QSize kKnobColumnSize{16, 380};
inline constexpr int kKnobPitch = 18;
inline constexpr int kKnobRows = 21;
QPixmap KnobColumn(const QPalette& palette, qreal dpr);

// The 9 x 9 red selection dot on a transparent ground.
inline constexpr QSize kMarkerSize{9, 9};
QPixmap Marker(qreal dpr);

// -------------------------------------------------- background and frames

// The colour of the window's ground between the panels.
QColor DesktopColor();

// The 160 x 32 sheet of frame pieces (shaded disc, header/strip joint,
// rounded bottom bar) on the desktop colour. Colours: QPalette::Button (face),
// QPalette::Dark (shadow), QPalette::Shadow (dark), QPalette::Light (highlight).
inline constexpr QSize kDecorationSize{160, 32};
QPixmap DecorationBitmap(const QPalette& palette, qreal dpr, const QColor& desktop = DesktopColor());

// The 622 x 478 window background: desktop colour with the frames of the
// list, the right-hand panels, the header joint and the unit strip of the
// given height (18 * units + 8).
inline constexpr QSize kBackgroundSize{622, 478};
QPixmap BackgroundPicture(const QPalette& palette, int stripHeight, qreal dpr, const QColor& desktop = DesktopColor());
// The same from a decoration made by DecorationBitmap (its pixel ratio and
// desktop colour), so that it is not made twice.
QPixmap BackgroundPicture(const QPixmap& decoration, int stripHeight, const QColor& desktop = DesktopColor());
// Paints that background straight onto a widget's painter (logical pixels,
// the decoration's pixel ratio), with no picture the size of the window.
void PaintBackground(QPainter& painter, const QPixmap& decoration, int stripHeight,
                     const QColor& desktop = DesktopColor());
// The same with a painter that already works in device pixels.
void PaintBackgroundDevice(QPainter& painter, const QPixmap& decoration, int stripHeight,
                           const QColor& desktop = DesktopColor());

// Redraws only the unit strip's frame on an existing background picture
// (as returned by BackgroundPicture) for a new strip height. `decoration`
// must come from DecorationBitmap with the same palette, desktop colour and
// device-pixel ratio as `background`.
void PaintStripFrame(QPixmap& background, const QPixmap& decoration, int stripHeight,
                     const QColor& desktop = DesktopColor());

// ---------------------------------------------------------------- banner

// The 195 x 334 banner offering advertising space. A click released at
// kBannerToggleSpot (logical pixels) is the window's hidden setting; the
// picture carries an inconspicuous detail there.
inline constexpr QSize kBannerSize{195, 334};
inline constexpr QPoint kBannerToggleSpot{97, 58};
QPixmap BannerPixmap(qreal dpr);

// ----------------------------------------------------------------- icons

// One square rendering of the icon at `size` logical px (baked at build time).
QPixmap WindowIconPixmap(int size, qreal dpr);

}  // namespace umrido::art
