// Random key streams against the calculator: every key, typed characters, key
// releases, Delete, focus changes and clipboard contents. After every step the
// display holds a number text, nothing, "-", or one of the failure texts, and
// never "nan", "inf" or an exponent without digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "calc_engine.h"
#include "fake_clipboard.h"

namespace {

using namespace umrido;

bool Contains(const std::string& s, const char* what) { return s.find(what) != std::string::npos; }

void CheckDisplay(const Calculator& c) {
  const std::string& t = c.Display().Text();
  if (t.empty() || t == "-" || IsFailureText(t)) return;
  if (!ParseNumber(t, c.Separator())) std::abort();
  if (Contains(t, "nan") || Contains(t, "inf") || Contains(t, "NaN") || Contains(t, "INF")) std::abort();
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
  std::size_t pos = 0;
  auto byte = [&]() -> std::uint8_t { return pos < size ? data[pos++] : 0; };
  Calculator c((byte() & 1) != 0, (byte() & 1) != 0);
  testing::FakeClipboard clipboard;
  while (pos < size) {
    const std::uint8_t op = byte();
    switch (op % 8) {
      case 0:
      case 1:
      case 2: {  // keys weigh most
        const CalcKey key = static_cast<CalcKey>(byte() % kCalcKeyCount);
        const std::string before = c.Display().Text();
        c.Press(key, clipboard);
        CheckWritten(c, key, before);
        break;
      }
      case 3: {
        static const char kTyped[] = "0123456789,.-Ee+*/= \b";
        const std::uint8_t k = byte();
        c.EditCalcKeyPress(k < 0xE0 ? static_cast<unsigned char>(kTyped[k % (sizeof kTyped - 1)]) : k);
        c.EditCalcKeyUp();
        break;
      }
      case 4:
        c.EditCalcDelete();
        c.EditCalcKeyUp();
        break;
      case 5: {
        const int a = byte() % 20;
        const int b = byte() % 20;
        switch (byte() % 4) {
          case 0:
            c.DisplayFocusFromOtherControl();
            break;
          case 1:
            c.DisplayClicked(a);
            break;
          case 2:
            c.DisplaySelectionChanged(a, b);
            break;
          default:
            c.DisplayFocusLost();
        }
        break;
      }
      case 6: {
        const std::size_t n = byte() % 24;
        std::string s;
        for (std::size_t i = 0; i < n && pos < size; ++i) s += static_cast<char>(byte());
        clipboard.content = (n == 23) ? std::nullopt : std::optional<std::string>(s);
        break;
      }
      case 7:
        c.SetLanguage((byte() & 1) != 0);
        break;
    }
    CheckDisplay(c);
  }
  return 0;
}
