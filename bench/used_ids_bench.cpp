// What the check of other rosters adds to a run: reading a folder of 300
// rosters of 300 ministers each, beside the one written, and looking for a
// clash with the first ID given (real time: the files are read).
#include <benchmark/benchmark.h>

#include <string>

#include "dialogue/used_ids.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

void read_300_rosters_of_300(benchmark::State& state) {
  const test_support::temp_folder folder;
  for (int i = 0; i < 300; ++i) {
    const std::string number = std::to_string(i);
    test_support::write_file("ministers_t" + number + ".csv", test_support::roster("T" + number, 1000 + i * 300, 300));
  }
  for (auto _ : state) benchmark::DoNotOptimize(clash_of(ids_used_beside("abc"), 601, 660));
}
BENCHMARK(read_300_rosters_of_300)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
