// The cost of one calculator key press: each key parses the display, computes
// in Extended and writes a new display text.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <string_view>

#include "calc_engine.h"

namespace umrido {
namespace {

class NoClipboard : public Clipboard {
 public:
  std::optional<std::string> ReadText() override { return std::string(); }
  bool WriteText(std::string_view) override { return true; }
};

// A digit appended to the display. The pad stops at 17 characters, so CE
// starts a new number every 16 digits; that CE is part of the measured cost.
void BM_DigitKey(benchmark::State& state) {
  NoClipboard clipboard;
  Calculator calc(/*decimalIsPoint=*/false);
  for (auto _ : state) {
    if (calc.Display().Length() >= 16) calc.Press(CalcKey::SpeedButtonCE, clipboard);
    calc.Press(CalcKey::SpeedButtonZiffer7, clipboard);
    benchmark::DoNotOptimize(calc.Display().Text().data());
  }
}
BENCHMARK(BM_DigitKey);

// The equals key on a 15-digit display: parse, compute, format with 15 digits.
void BM_EqualsKey(benchmark::State& state) {
  NoClipboard clipboard;
  Calculator calc(false);
  for (CalcKey k : {CalcKey::SpeedButtonZiffer2, CalcKey::SpeedButtonDurch, CalcKey::SpeedButtonZiffer3,
                    CalcKey::SpeedButtonIstGleich}) {
    calc.Press(k, clipboard);
  }
  for (auto _ : state) {
    calc.Press(CalcKey::SpeedButtonIstGleich, clipboard);
    benchmark::DoNotOptimize(calc.Display().Text().data());
  }
}
BENCHMARK(BM_EqualsKey);

// A chaining key: the pending addition is applied and "0" shown.
void BM_PlusKey(benchmark::State& state) {
  NoClipboard clipboard;
  Calculator calc(false);
  calc.Press(CalcKey::SpeedButtonZiffer5, clipboard);
  for (auto _ : state) {
    calc.Press(CalcKey::SpeedButtonPlus, clipboard);
    benchmark::DoNotOptimize(calc.Display().Text().data());
  }
}
BENCHMARK(BM_PlusKey);

// COS in degrees, applied to its own result: it settles near 0.99985, so
// every press takes the general path (reduction, conversion, cosine, format).
void BM_CosineKey(benchmark::State& state) {
  NoClipboard clipboard;
  Calculator calc(false);
  calc.Press(CalcKey::SpeedButtonZiffer3, clipboard);
  for (auto _ : state) {
    calc.Press(CalcKey::SpeedButtonCos, clipboard);
    benchmark::DoNotOptimize(calc.Display().Text().data());
  }
}
BENCHMARK(BM_CosineKey);

}  // namespace
}  // namespace umrido
