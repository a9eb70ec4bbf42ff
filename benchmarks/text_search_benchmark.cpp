// Every lookup of the system scans a built-in table from its start, so the scan
// rate of the search rule bounds the speed of everything above it.
#include <benchmark/benchmark.h>

#include <string>

#include "text/search.hpp"

namespace {

// A run-on table shaped like the stroke tables: "√" + character + "|" + count + "|".
std::string MakeTable(int rows) {
  std::string table;
  for (int i = 0; i < rows; ++i) {
    table += "√";
    table += static_cast<char>(0xB0 + i / 94 % 72);
    table += static_cast<char>(0xA1 + i % 94);
    table += "|" + std::to_string(i % 24 + 1) + "|";
  }
  return table;
}

void BM_FindTextMissInWholeTable(benchmark::State& state) {
  const std::string table = MakeTable(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(tavrin::FindText(table, "√鍾|"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(table.size()));
}
BENCHMARK(BM_FindTextMissInWholeTable)->Arg(1812)->Arg(7190);

void BM_FieldAfterKey(benchmark::State& state) {
  const std::string table = MakeTable(1812);
  for (auto _ : state) benchmark::DoNotOptimize(tavrin::ReadNumber(tavrin::FieldAfter(table, "√\xB9\xA1|")));
}
BENCHMARK(BM_FieldAfterKey);

}  // namespace
