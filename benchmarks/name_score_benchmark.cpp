// Scoring one name: grids, talent key, relations lookup and score, with the
// stroke cache warm (the batch case) and cold (every character looked up anew).
#include <benchmark/benchmark.h>

#include "naming/five_grids.hpp"
#include "naming/name_score.hpp"
#include "naming/readings.hpp"
#include "naming/stroke_cache.hpp"

namespace {

const char* const kNames[][2] = {{"王", "小明"}, {"李", "思源"}, {"张", "子涵"}, {"陈", "浩"},
                                 {"刘", "雨桐"}, {"杨", "一鸣"}, {"赵", "欣怡"}, {"黄", "俊杰"},
                                 {"周", "若溪"}, {"吴", "天佑"}};

double ScoreOne(const char* surname, const char* given) {
  const tavrin::FiveGrids grids = tavrin::ComputeFiveGrids(surname, given);
  const tavrin::GbkText key = tavrin::TalentKey(grids);
  return tavrin::NameScore(grids, key, tavrin::LookupRelation(grids.person, grids.outer).grade);
}

void BM_ScoreNameWarmCache(benchmark::State& state) {
  for (const auto& name : kNames) ScoreOne(name[0], name[1]);
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& name = kNames[i++ % std::size(kNames)];
    benchmark::DoNotOptimize(ScoreOne(name[0], name[1]));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ScoreNameWarmCache);

void BM_ScoreNameColdCache(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    tavrin::CachedStrokes("");  // a short text empties the shared cache
    const auto& name = kNames[i++ % std::size(kNames)];
    benchmark::DoNotOptimize(ScoreOne(name[0], name[1]));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ScoreNameColdCache);

}  // namespace
