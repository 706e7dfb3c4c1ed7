// The cost of one percentile draw: with the real pause against a bare 1 ms
// sleep, and without the pause (clock reading, local time, arithmetic).
#include <benchmark/benchmark.h>

#include "bench/bench_clock.hpp"
#include "draws/percentile_draw.hpp"

namespace vesk_mg::bench {
namespace {

void bare_sleep_of_1_ms(benchmark::State& state) {
  run_clock& clock = system_clock();
  for (auto _ : state) clock.sleep_milliseconds(1);
}
BENCHMARK(bare_sleep_of_1_ms)->UseRealTime()->MinTime(2.0);

void draw_with_its_pause(benchmark::State& state) {
  run_clock& clock = system_clock();
  for (auto _ : state) benchmark::DoNotOptimize(one_to_five_hundred_random(clock));
}
BENCHMARK(draw_with_its_pause)->UseRealTime()->MinTime(2.0);

void draw_without_its_pause(benchmark::State& state) {
  real_clock_fake_sleep clock;
  for (auto _ : state) benchmark::DoNotOptimize(one_to_five_hundred_random(clock));
}
BENCHMARK(draw_without_its_pause);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
