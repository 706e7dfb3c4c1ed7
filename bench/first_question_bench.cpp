// What a run does before its first question, for the game's files at
// their biggest: its folders found and its rosters read, with a roster
// list of 30 MB, or a roster of 60 MB that holds one ID again and again,
// against a game with nothing in its rosters' folder. Beside the time, the
// process's peak memory: run each in a process of its own (bench/run) so
// the peaks compare.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "rosters/used_ids.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

// `size` bytes of `line` again and again, written a block at a time so that
// the set-up does not raise the peak.
void write_repeated(const std::string& path, const std::string& first, const std::string& line, std::size_t size) {
  std::ofstream file(path, std::ios::binary);
  file << first;
  std::string block;
  while (block.size() < 65536) block += line;
  for (std::size_t written = first.size(); written < size; written += block.size()) file << block;
}

void reach_the_first_question(benchmark::State& state, const std::function<void()>& lay_out) {
  const test_support::temp_folder folder;
  std::filesystem::create_directories("game/db/ministers");
  lay_out();
  const std::vector<std::string> game{"game"};
  for (auto _ : state) benchmark::DoNotOptimize(read_rosters(roster_folders_of(game)));
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
}

void an_empty_game(benchmark::State& state) {
  reach_the_first_question(state, [] {});
}
BENCHMARK(an_empty_game)->UseRealTime()->Unit(benchmark::kMillisecond);

// 30 MB of the names of 600 rosters, over and over.
void a_list_of_30_mb(benchmark::State& state) {
  reach_the_first_question(state, [] {
    std::string names;
    for (int i = 0; i < 600; ++i) names += "ministers_t" + std::to_string(i) + ".csv\r\n";
    write_repeated("game/db/ministers.txt", "# the rosters the game loads\r\n", names, std::size_t{30} << 20);
  });
}
BENCHMARK(a_list_of_30_mb)->UseRealTime()->Unit(benchmark::kMillisecond);

void a_roster_of_60_mb_of_one_id(benchmark::State& state) {
  reach_the_first_question(state, [] {
    write_repeated("game/db/ministers/ministers_rep.csv", "REP;Ruling Cabinet - Start\r\n", "7\r\n",
                   std::size_t{60} << 20);
  });
}
BENCHMARK(a_roster_of_60_mb_of_one_id)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
