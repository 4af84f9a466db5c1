// Random key streams against the calculator: every key, typed characters, key
// releases, Delete, focus changes and clipboard contents. After every step the
// display holds a number text, nothing, "-", or one of the failure texts (so
// never "nan" or "inf"), and never an exponent without digits the calculator
// wrote itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "calc_engine.h"
#include "fake_clipboard.h"

namespace {

using namespace umrido;

void CheckDisplay(const Calculator& c) {
  const std::string& t = c.Display().Text();
  if (!(t.empty() || t == "-" || IsFailureText(t) || ParseNumber(t, c.Separator()))) std::abort();
}

// A text the calculator wrote itself never ends in a bare exponent; only
// typing, pasting or the pad's appending can leave one.
void CheckWritten(const Calculator& c, CalcKey key, const std::string& before) {
  const std::string& t = c.Display().Text();
  const CalcKeyGroup g = InfoOf(key).group;
  if (t == before || g == CalcKeyGroup::kZiffer || g == CalcKeyGroup::kInsert) return;
  if (!t.empty() && (t.back() == 'E' || (t.size() > 1 && t.compare(t.size() - 2, 2, "E-") == 0))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  FuzzedDataProvider in(data, size);
  Calculator c(in.ConsumeBool(), in.ConsumeBool());
  testing::FakeClipboard clipboard;
  while (in.remaining_bytes() > 0) {
    const int op = in.ConsumeIntegralInRange(0, 7);
    if (op < 3) {  // keys weigh most
      const auto key = static_cast<CalcKey>(in.ConsumeIntegralInRange(0, kCalcKeyCount - 1));
      const std::string before = c.Display().Text();
      c.Press(key, clipboard);
      CheckWritten(c, key, before);
    } else if (op == 3) {
      static const char kTyped[] = "0123456789,.-Ee+*/= \b";
      const auto k = in.ConsumeIntegral<unsigned char>();
      c.EditCalcKeyPress(k < 0xE0 ? static_cast<unsigned char>(kTyped[k % (sizeof kTyped - 1)]) : k);
      c.EditCalcKeyUp();
    } else if (op == 4) {
      c.EditCalcDelete();
      c.EditCalcKeyUp();
    } else if (op == 5) {
      const int a = in.ConsumeIntegralInRange(0, 19);
      const int b = in.ConsumeIntegralInRange(0, 19);
      const int kind = in.ConsumeIntegralInRange(0, 3);
      if (kind == 0) c.DisplayFocusFromOtherControl();
      if (kind == 1) c.DisplayClicked(a);
      if (kind == 2) c.DisplaySelectionChanged(a, b);
      if (kind == 3) c.DisplayFocusLost();
    } else if (op == 6) {  // now and then a clipboard that cannot be read
      const bool unreadable = in.ConsumeIntegralInRange(0, 23) == 0;
      clipboard.content = unreadable ? std::nullopt : std::optional(in.ConsumeRandomLengthString(24));
    } else {
      c.SetLanguage(in.ConsumeBool());
    }
    CheckDisplay(c);
  }
  return 0;
}
