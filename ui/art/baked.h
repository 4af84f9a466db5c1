// The pictures that cost most to draw, made once at build time by art_bake
// from the drawing code beside this file and compressed into the program
// (zlib on raw pixels: unpacking costs a fraction of a PNG's decoding).
// At the pixel ratios they were made for, start-up only unpacks them; at any
// other ratio they are drawn as before. Either way the pixels are the same.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <cstring>

#include "artwork.h"

class QPainter;

namespace umrido::art {

// How art_bake stores a picture's pixels.
enum class Packing {
  kZlib,   // compressed by qCompress
  kRuns,   // runs of 32-bit words: a word (count << 1 | 1) then the pixel
           // repeated count times, or (count << 1) then count pixels as they are
  kPlain,  // as they are, used in place
};

// One picture as art_bake stores it: the premultiplied ARGB pixels of
// `name` at `dpr`, `width` x `height` device pixels, packed by `packing`.
struct BakedPicture {
  const char* name;
  double dpr;
  int width;
  int height;
  const unsigned char* data;
  int size;
  Packing packing;
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

// What a start with the banner in front shows at ratio 1 is packed for
// speed rather than size. The icon's sizes (handed to the window system
// twice while the window is made) and the glyphs of the flat buttons are kept
// plain, read in place. The banner is kept in runs: unpacking those costs a
// tenth of what zlib's would (which was a tenth of the work before the first
// frame), and unlike plain pixels they do not weigh on the memory of starts
// with the calculator in front, which never show it.
inline Packing PackingOf(const char* name, double dpr) {
  if (std::strcmp(name, "glyphs") == 0) return dpr == kGlyphScales[0] ? Packing::kPlain : Packing::kZlib;
  if (dpr != 1) return Packing::kZlib;
  if (std::strcmp(name, "banner") == 0) return Packing::kRuns;
  return std::strncmp(name, "icon", 4) == 0 ? Packing::kPlain : Packing::kZlib;
}

// The picture `name` (one of kBakedNames) at `dpr`: unpacked when baked,
// drawn otherwise.
QPixmap Picture(const char* name, qreal dpr);

// Whether `name` at `dpr` is stored in runs, and they are whole.
bool InRuns(const char* name, qreal dpr);
// Paints `name` at `dpr`, stored in runs (InRuns), with its top left corner at
// the painter's origin, unpacking `rows` device rows at a time: the whole
// picture never needs to be held. Only bands meeting `exposed` (logical
// pixels) are drawn.
void PaintFromRuns(QPainter& painter, const char* name, qreal dpr, const QRect& exposed, int rows = 16);
// One key face or glyph, cut from its sheet.
QPixmap KeyFaceOf(KeyFace face, qreal dpr);
QPixmap GlyphOf(Glyph glyph, qreal dpr);
// The application icon at every size of kIconSizes, each unpacked when asked.
QIcon ApplicationIcon();

}  // namespace umrido::art
