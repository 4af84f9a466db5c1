// The pictures that cost most to draw, made once at build time by art_bake
// from the drawing code beside this file and compressed into the program
// (zlib on raw pixels: unpacking costs a fraction of a PNG's decoding).
// At the pixel ratios they were made for, a picture is unpacked when it is
// first shown; at any other ratio it is drawn as before. Either way the
// pixels are the same.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "artwork.h"

namespace umrido::art {

// One picture as art_bake stores it: the premultiplied ARGB pixels of
// `name` at `dpr`, `width` x `height` device pixels, compressed by qCompress.
struct BakedPicture {
  const char* name;
  double dpr;
  int width;
  int height;
  const unsigned char* data;
  int size;
};

// The key faces and the glyphs come as sheets, in rows of kSheetColumns.
inline constexpr int kSheetColumns = 10;
inline constexpr int kGlyphCount = static_cast<int>(Glyph::End) + 1;

// The drawn picture that art_bake stores under `name` ("icon16" and so on for
// the icon sizes), as an image that keeps the premultiplied pixels exactly.
QImage DrawnPicture(const char* name, qreal dpr);
// The pixel ratios baked.
inline constexpr int kBakedRatios[] = {1, 2};
// The names of the pictures baked at every ratio, and of the icon sizes baked
// at ratio 1.
inline constexpr const char* kBakedNames[] = {"banner", "keys", "shift", "hyp", "drg"};
// The flat buttons show their glyphs 22 pixels wide (44 at ratio 2), so the
// glyph sheet is baked at those scales.
inline constexpr double kGlyphScales[] = {22.0 / 24, 44.0 / 24};
// The window icon's sizes. The X11 window system is handed every size, twice,
// while the window is created; a 256 px size alone would be three quarters of
// those pixels. Larger views take the desktop entry's scalable icon.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

// The picture `name` (one of kBakedNames) at `dpr`: unpacked when baked,
// drawn otherwise.
QPixmap Picture(const char* name, qreal dpr);

// The stored pixels of `name` at `dpr`, unpacked; a null image where none
// are stored.
QImage Baked(const char* name, qreal dpr);
// One key face or glyph, cut from its sheet.
QPixmap KeyFaceOf(KeyFace face, qreal dpr);
QPixmap GlyphOf(Glyph glyph, qreal dpr);
// The application icon at every size of kIconSizes, each unpacked when asked.
QIcon ApplicationIcon();

}  // namespace umrido::art
