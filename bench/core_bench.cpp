// The converter's hot paths: reading a number, writing a result, and one whole
// keystroke in the input field (filter, change handling, parse, convert,
// format).
#include <benchmark/benchmark.h>

#include "converter.h"
#include "number_format.h"

namespace umrido {
namespace {

void BM_ParseNumber(benchmark::State& state) {
  const char* texts[] = {"5", "3,106856", "-1,2345678E-12", "  123456789012345 "};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseNumber(texts[i++ & 3], ','));
  }
}
BENCHMARK(BM_ParseNumber);

void BM_FormatResult(benchmark::State& state) {
  const Extended values[] = {3.10685596118667L, 1.0L / 3, 1.5e-7L, 123456789.0L};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatResult(values[i++ & 3], ','));
  }
}
BENCHMARK(BM_FormatResult);

// Typing one digit and then backspace: two keystrokes, each running the whole
// path from the filter to the formatted result.
void BM_Keystroke(benchmark::State& state) {
  Converter c(false, true, 2);
  c.ImageMouseDown(Side::V, 6 * kRowPitch);
  c.ImageMouseUp();
  c.ImageMouseDown(Side::N, 7 * kRowPitch);
  c.ImageMouseUp();
  c.EditVKeyPress('2');
  for (auto _ : state) {
    c.EditVKeyPress('5');
    c.EditVKeyPress(kBackspace);
    benchmark::DoNotOptimize(c.EditN().Text().data());
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Keystroke);

}  // namespace
}  // namespace umrido
