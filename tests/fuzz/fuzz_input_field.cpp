// Random streams of typed characters, Delete, selections, pastes, swaps, picks
// and quantity changes against the converter. After every step the input
// field holds at most 16 characters and reads as a number, or is empty or "-";
// the result field holds a number text or "?!" and agrees with a fresh
// conversion of the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "converter.h"
#include "fake_clipboard.h"

namespace {

using namespace umrido;

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos = 0;
  bool More() const { return pos < size; }
  std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
  std::string Bytes() {
    const std::size_t n = Byte() % 24;
    std::string s;
    for (std::size_t i = 0; i < n && More(); ++i) s += static_cast<char>(Byte());
    return s;
  }
};

void CheckInvariants(const Converter& c) {
  const std::string& v = c.EditV().Text();
  if (c.EditV().Length() > kNumberFieldLimit) std::abort();
  if (!(v.empty() || v == "-" || ParseNumber(v, c.Separator()))) std::abort();
  const std::string& n = c.EditN().Text();
  if (n != kConversionFailed && !ParseNumber(n, c.Separator())) std::abort();
  if (n.size() > static_cast<std::size_t>(kNumberFieldLimit)) std::abort();
  if (n != Berechnung(c.State(), v, c.Separator())) std::abort();
  const CategoryEntry* cat = UnitCatalogue::Category(c.State().CurrentCategory);
  if (cat == nullptr || c.State().RowV >= cat->unitCount || c.State().RowN >= cat->unitCount) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  const bool point = in.Byte() & 1;
  Converter c(point, in.Byte() & 1, 2);
  testing::FakeClipboard clipboard;
  while (in.More()) {
    const std::uint8_t op = in.Byte();
    const CategoryEntry* cat = UnitCatalogue::Category(c.State().CurrentCategory);
    switch (op % 12) {
      case 0:
      case 1:
      case 2:
      case 3: {  // typed characters weigh most: digits, separators, signs, E
        static const char kKeys[] = "0123456789,.-Ee+ x\b";
        const std::uint8_t k = in.Byte();
        c.EditVKeyPress(k < 0xC0 ? static_cast<unsigned char>(kKeys[k % (sizeof kKeys - 1)]) : k);
        break;
      }
      case 4:
        c.EditVDeleteKey();
        break;
      case 5:
        c.EditVSetSelection(in.Byte() % 18, in.Byte() % 18);
        break;
      case 6:
        clipboard.content = in.Bytes();
        c.EditVPaste(clipboard);
        break;
      case 7:
        clipboard.content = (in.Byte() & 7) == 0 ? std::nullopt : std::optional<std::string>(in.Bytes());
        c.SpeedButtonInsertVClick(clipboard);
        break;
      case 8:
        c.SpeedButtonSwapClick();
        break;
      case 9: {  // a press inside the visible part of a selector, then the release
        const int y = static_cast<int>(in.Byte()) % (kRowPitch * cat->unitCount);
        c.ImageMouseDown((in.Byte() & 1) ? Side::V : Side::N, y);
        c.ImageMouseUp();
        break;
      }
      case 10:
        c.ListBoxUCClick(in.Byte() % kCategoryCount);
        break;
      case 11:
        if (in.Byte() & 1) {
          c.EditVCut(clipboard);
        } else {
          c.SpeedButtonCopyNClick(clipboard);
        }
        break;
    }
    CheckInvariants(c);
  }
  return 0;
}
