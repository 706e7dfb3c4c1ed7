// What the check of other rosters adds to a run: reading a mod's folder and
// the game's, each of 300 rosters of 300 ministers, and looking for a
// clash with the first ID given (real time: the files are read).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogue/used_ids.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

void read_two_folders_of_300_rosters_of_300(benchmark::State& state) {
  const test_support::temp_folder folder;
  const std::vector<std::string> folders{"mod", "game"};
  for (const std::string& place : folders) {
    std::filesystem::create_directory(place);
    const int first = place == "mod" ? 300 : 0;
    for (int i = first; i < first + 300; ++i) {
      const std::string number = std::to_string(i);
      test_support::write_file(place + "/ministers_t" + number + ".csv",
                               test_support::roster("T" + number, 1000 + i * 300, 300));
    }
  }
  for (auto _ : state) benchmark::DoNotOptimize(clash_of(ids_used_in(folders, "abc"), 601, 660));
}
BENCHMARK(read_two_folders_of_300_rosters_of_300)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
