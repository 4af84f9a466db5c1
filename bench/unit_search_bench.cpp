// One query of the unit finder over the whole catalogue, for queries that
// match one unit, many units or none at all, and for the costliest kinds:
// many short words, and a long pasted text.
#include <benchmark/benchmark.h>

#include <string>

#include "unit_search.h"

namespace {

void BM_UnitSearch(benchmark::State& state, std::string query) {
  const umrido::UnitSearch& index = umrido::UnitSearch::Shared();
  for (auto _ : state) benchmark::DoNotOptimize(index.Find(query));
}

// "p p p ...", `length` characters.
std::string Repeated(std::size_t length) {
  std::string text;
  while (text.size() < length) text += text.empty() ? "p" : " p";
  return text;
}

BENCHMARK_CAPTURE(BM_UnitSearch, psi, "psi");
BENCHMARK_CAPTURE(BM_UnitSearch, in, "in");
BENCHMARK_CAPTURE(BM_UnitSearch, grad_c, "grad c");
BENCHMARK_CAPTURE(BM_UnitSearch, kilowatt_hour, "Kilowattstunde");
BENCHMARK_CAPTURE(BM_UnitSearch, nothing, "xqzw");
BENCHMARK_CAPTURE(BM_UnitSearch, one_letter, "k");
BENCHMARK_CAPTURE(BM_UnitSearch, liter, "Liter");
BENCHMARK_CAPTURE(BM_UnitSearch, p_31, Repeated(31));
BENCHMARK_CAPTURE(BM_UnitSearch, p_63, Repeated(63));
BENCHMARK_CAPTURE(BM_UnitSearch, pasted_32767, Repeated(32767));
BENCHMARK_CAPTURE(BM_UnitSearch, letters_a_to_y, "a b c d e f g h i j k l m n o p q r s t u v w x y");
BENCHMARK_CAPTURE(BM_UnitSearch, long_name, "Kilogramm pro Quadratmeter und Sekunde");

}  // namespace

BENCHMARK_MAIN();
