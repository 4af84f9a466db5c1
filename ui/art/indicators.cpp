// The SHIFT, HYP and angle-mode indicators of the calculator display.
//
// The strip they show through is only 10 px high, so the words are set in a
// hand-made 6 px pixel font rather than a scaled-down outline font, which at
// that size smears into grey blobs. Each font pixel is one logical pixel, so
// at higher device-pixel ratios the letters stay sharp-edged.
#include "artwork.h"
#include "paint_util.h"

#include <array>
#include <cstring>
#include <utility>

namespace umrido::art {

namespace {

// Six rows, not seven: the last band of the angle-mode picture has only six
// rows left inside the picture, and all three indicators stand side by side,
// so they share one letter height.
constexpr int kLetterHeight = 6;

struct PixelLetter {
  char letter;
  std::array<const char*, kLetterHeight> rows;
};

// Only the letters the indicators need.
constexpr PixelLetter kLetters[] = {
    {'A', {".##.", "#..#", "#..#", "####", "#..#", "#..#"}},
    {'D', {"###.", "#..#", "#..#", "#..#", "#..#", "###."}},
    {'E', {"####", "#...", "###.", "#...", "#...", "####"}},
    {'F', {"####", "#...", "###.", "#...", "#...", "#..."}},
    {'G', {".###", "#...", "#.##", "#..#", "#..#", ".###"}},
    {'H', {"#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'P', {"###.", "#..#", "#..#", "###.", "#...", "#..."}},
    {'R', {"###.", "#..#", "#..#", "###.", "#.#.", "#..#"}},
    {'S', {".###", "#...", ".##.", "...#", "...#", "###."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#.."}},
};

const PixelLetter* Find(char letter) {
  for (const PixelLetter& l : kLetters)
    if (l.letter == letter) return &l;
  return nullptr;
}

// Width of a word in the pixel font, one blank column between letters.
int WordWidth(const char* word) {
  int width = 0;
  for (const char* p = word; *p; ++p) {
    if (const PixelLetter* l = Find(*p)) width += static_cast<int>(std::strlen(l->rows[0]));
    if (p[1]) width += 1;
  }
  return width;
}

// Sets `word` with its top-left at (x, y) in logical pixels.
void DrawWord(QPainter& painter, const char* word, int x, int y, const QColor& colour) {
  for (const char* p = word; *p; ++p) {
    const PixelLetter* l = Find(*p);
    if (!l) continue;
    const int w = static_cast<int>(std::strlen(l->rows[0]));
    for (int row = 0; row < kLetterHeight; ++row)
      for (int col = 0; col < w; ++col)
        if (l->rows[row][col] == '#') detail::FillPixel(painter, x + col, y + row, colour);
    x += w + 1;
  }
}

const QColor kIdle(150, 150, 150);
const QColor kBlue(24, 72, 200);
const QColor kRed(206, 28, 36);
const QColor kActive(0, 0, 0);

QPixmap TwoBands(QSize size, const char* word, const QColor& on, qreal dpr) {
  QImage canvas = detail::MakeCanvas(size, dpr, Qt::white);
  QPainter painter(&canvas);
  const int x = (size.width() - WordWidth(word)) / 2;
  DrawWord(painter, word, x, 0, kIdle);
  DrawWord(painter, word, x, kIndicatorBandPitch, on);
  painter.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace

QPixmap IndicatorShift(qreal dpr) { return TwoBands(kIndicatorShiftSize, "SHIFT", kBlue, dpr); }

QPixmap IndicatorHyp(qreal dpr) { return TwoBands(kIndicatorHypSize, "HYP", kRed, dpr); }

QPixmap IndicatorDrg(qreal dpr) {
  QImage canvas = detail::MakeCanvas(kIndicatorDrgSize, dpr, Qt::white);
  QPainter painter(&canvas);
  static constexpr const char* kWords[] = {"DEG", "RAD", "GRAD"};
  // Each word centred in a third of the picture.
  const int third = kIndicatorDrgSize.width() / 3;
  for (int band = 0; band < 3; ++band) {
    for (int word = 0; word < 3; ++word) {
      const int x = word * third + (third - WordWidth(kWords[word])) / 2;
      DrawWord(painter, kWords[word], x, band * kIndicatorBandPitch, word == band ? kActive : kIdle);
    }
  }
  painter.end();
  return detail::ToPixmap(std::move(canvas));
}

}  // namespace umrido::art
