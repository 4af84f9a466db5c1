// One query of the unit finder over the whole catalogue, for queries that
// match one unit, many units or none at all.
#include <benchmark/benchmark.h>

#include "unit_search.h"

namespace {

void BM_UnitSearch(benchmark::State& state, const char* query) {
  const umrido::UnitSearch& index = umrido::UnitSearch::Shared();
  for (auto _ : state) benchmark::DoNotOptimize(index.Find(query));
}

BENCHMARK_CAPTURE(BM_UnitSearch, psi, "psi");
BENCHMARK_CAPTURE(BM_UnitSearch, in, "in");
BENCHMARK_CAPTURE(BM_UnitSearch, grad_c, "grad c");
BENCHMARK_CAPTURE(BM_UnitSearch, kilowatt_hour, "Kilowattstunde");
BENCHMARK_CAPTURE(BM_UnitSearch, nothing, "xqzw");

}  // namespace

BENCHMARK_MAIN();
