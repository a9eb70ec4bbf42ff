// The calendar computes each year once, on first use, and keeps it: what a cold
// year costs bounds the first answer of a run, and a warm lookup every other.
#include <benchmark/benchmark.h>

#include "calendar/astronomy.hpp"
#include "calendar/chinese_calendar.hpp"

namespace {

// One position of each kind, the unit of every solver step.
void BM_SunApparentLongitude(benchmark::State& state) {
  double t = 14645.0;  // 2010-02-04
  for (auto _ : state) benchmark::DoNotOptimize(tavrin::astronomy::SunApparentLongitude(t += 1e-3));
}
BENCHMARK(BM_SunApparentLongitude);

void BM_MoonSunElongation(benchmark::State& state) {
  double t = 14645.0;
  for (auto _ : state) benchmark::DoNotOptimize(tavrin::astronomy::MoonSunElongation(t += 1e-3));
}
BENCHMARK(BM_MoonSunElongation);

// Each iteration reaches a year the process has not seen: its 24 terms and the
// lunar months from one winter solstice to the next are solved and kept. The
// memo lasts for the process, so there are as many iterations as years.
void BM_ColdYear(benchmark::State& state) {
  int year = tavrin::kCalendarFirstYear;
  for (auto _ : state) {
    tavrin::Pillars pillars;
    tavrin::LunarDate lunar;
    const tavrin::DateTime moment{year, 6, 1, 12};
    benchmark::DoNotOptimize(tavrin::FourPillars(moment, pillars));
    benchmark::DoNotOptimize(tavrin::SolarToLunar(moment, lunar));
    ++year;
  }
}
BENCHMARK(BM_ColdYear)
    ->Iterations(tavrin::kCalendarLastYear - tavrin::kCalendarFirstYear)
    ->Unit(benchmark::kMillisecond);

// A known year: the pillars, the lunar date and its text.
void BM_WarmLookup(benchmark::State& state) {
  const tavrin::DateTime moment{2010, 2, 10, 12};
  tavrin::Pillars pillars;
  tavrin::FourPillars(moment, pillars);
  for (auto _ : state) {
    tavrin::LunarDate lunar;
    benchmark::DoNotOptimize(tavrin::FourPillars(moment, pillars));
    benchmark::DoNotOptimize(tavrin::SolarToLunar(moment, lunar));
    benchmark::DoNotOptimize(tavrin::FormatLunar(moment, "%Y年%M%D"));
  }
}
BENCHMARK(BM_WarmLookup);

}  // namespace
