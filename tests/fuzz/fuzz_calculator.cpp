// Random key streams against the calculator: every key, typed characters, key
// releases, Delete, focus changes and clipboard contents. After every step the
// display holds a number text, nothing, "-", or one of the failure texts, and
// never "nan", "inf" or an exponent without digits.
#include <cstdlib>
#include <optional>
#include <string>

#include "calc_engine.h"
#include "fake_clipboard.h"
#include "fuzz_reader.h"

namespace {

using namespace umrido;

void CheckDisplay(const Calculator& c) {
  const std::string& t = c.Display().Text();
  if (t.empty() || t == "-" || IsFailureText(t)) return;
  if (!ParseNumber(t, c.Separator())) std::abort();
  for (const char* bad : {"nan", "inf", "NaN", "INF"})
    if (t.find(bad) != std::string::npos) std::abort();
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
  testing::FuzzReader in{data, size};
  Calculator c((in.Byte() & 1) != 0, (in.Byte() & 1) != 0);
  testing::FakeClipboard clipboard;
  while (in.More()) {
    const int op = in.Byte() % 8;
    if (op < 3) {  // keys weigh most
      const CalcKey key = static_cast<CalcKey>(in.Byte() % kCalcKeyCount);
      const std::string before = c.Display().Text();
      c.Press(key, clipboard);
      CheckWritten(c, key, before);
    } else if (op == 3) {
      static const char kTyped[] = "0123456789,.-Ee+*/= \b";
      const std::uint8_t k = in.Byte();
      c.EditCalcKeyPress(k < 0xE0 ? static_cast<unsigned char>(kTyped[k % (sizeof kTyped - 1)]) : k);
      c.EditCalcKeyUp();
    } else if (op == 4) {
      c.EditCalcDelete();
      c.EditCalcKeyUp();
    } else if (op == 5) {
      const int a = in.Byte() % 20;
      const int b = in.Byte() % 20;
      const int kind = in.Byte() % 4;
      if (kind == 0) c.DisplayFocusFromOtherControl();
      if (kind == 1) c.DisplayClicked(a);
      if (kind == 2) c.DisplaySelectionChanged(a, b);
      if (kind == 3) c.DisplayFocusLost();
    } else if (op == 6) {
      const bool unreadable = in.pos < size && data[in.pos] % 24 == 23;
      const std::string s = in.Bytes();
      clipboard.content = unreadable ? std::nullopt : std::optional<std::string>(s);
    } else {
      c.SetLanguage((in.Byte() & 1) != 0);
    }
    CheckDisplay(c);
  }
  return 0;
}
