// Random streams of typed characters, Delete, selections, pastes, swaps, picks
// and quantity changes against the converter. After every step the input
// field holds at most 16 characters and reads as a number, or is empty or "-";
// the result field holds a number text or "?!" and agrees with a fresh
// conversion of the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "converter.h"
#include "fake_clipboard.h"

namespace {

using namespace umrido;

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
  FuzzedDataProvider in(data, size);
  Converter c(in.ConsumeBool(), in.ConsumeBool(), 2);
  testing::FakeClipboard clipboard;
  while (in.remaining_bytes() > 0) {
    const CategoryEntry* cat = UnitCatalogue::Category(c.State().CurrentCategory);
    const int kind = in.ConsumeIntegralInRange(0, 11);
    if (kind < 4) {  // typed characters weigh most: digits, separators, signs, E
      static const char kKeys[] = "0123456789,.-Ee+ x\b";
      const auto k = in.ConsumeIntegral<unsigned char>();
      c.EditVKeyPress(k < 0xC0 ? static_cast<unsigned char>(kKeys[k % (sizeof kKeys - 1)]) : k);
    } else if (kind == 4) {
      c.EditVDeleteKey();
    } else if (kind == 5) {
      const int start = in.ConsumeIntegralInRange(0, 17);
      c.EditVSetSelection(start, in.ConsumeIntegralInRange(0, 17));
    } else if (kind == 6) {
      clipboard.content = in.ConsumeRandomLengthString(24);
      c.EditVPaste(clipboard);
    } else if (kind == 7) {  // now and then a clipboard that cannot be read
      const bool unreadable = in.ConsumeIntegralInRange(0, 7) == 0;
      clipboard.content = unreadable ? std::nullopt : std::optional(in.ConsumeRandomLengthString(24));
      c.SpeedButtonInsertVClick(clipboard);
    } else if (kind == 8) {
      c.SpeedButtonSwapClick();
    } else if (kind == 9) {  // a press inside the visible part of a selector, then the release
      const int y = in.ConsumeIntegralInRange(0, kRowPitch * cat->unitCount - 1);
      c.ImageMouseDown(in.ConsumeBool() ? Side::V : Side::N, y);
      c.ImageMouseUp();
    } else if (kind == 10) {
      c.ListBoxUCClick(in.ConsumeIntegralInRange(0, kCategoryCount - 1));
    } else if (in.ConsumeBool()) {
      c.EditVCut(clipboard);
    } else {
      c.SpeedButtonCopyNClick(clipboard);
    }
    CheckInvariants(c);
  }
  return 0;
}
