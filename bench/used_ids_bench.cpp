// What the check of other rosters adds to a run: reading a mod's folder and
// the game's, each of 300 rosters of 300 ministers, and looking for a
// clash with the first ID given (real time: the files are read); once as
// two folders given, once in the game's layout, from the mod's own folder
// alone, with a list of the 600 rosters the game loads, and once as
// --check reads and looks at them. Then 100 folders of 300 rosters, and one
// roster of 2 GiB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "rosters/roster_report.hpp"
#include "rosters/used_ids.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

// 300 rosters in each of `folders`, the mod's first; their names, one a line.
std::string write_rosters(const std::vector<std::string>& folders) {
  std::string list;
  for (std::size_t place = 0; place < folders.size(); ++place) {
    std::filesystem::create_directories(folders[place]);
    const int first = place == 0 ? 300 : 0;
    for (int i = first; i < first + 300; ++i) {
      const std::string number = std::to_string(i);
      const std::string name = std::string("ministers_t").append(number).append(".csv");
      test_support::write_file(std::filesystem::path(folders[place]) / name,
                               test_support::roster("T" + number, 1000 + i * 300, 300));
      list.append(name).append("\r\n");
    }
  }
  return list;
}

void read_two_folders_of_300_rosters_of_300(benchmark::State& state) {
  const test_support::temp_folder folder;
  const std::vector<std::string> folders{"mod", "game"};
  write_rosters(folders);
  for (auto _ : state) {
    benchmark::DoNotOptimize(clash_of(ids_used_in(read_rosters(roster_folders_of(folders)), "abc"), 601, 660));
  }
}
BENCHMARK(read_two_folders_of_300_rosters_of_300)->UseRealTime()->Unit(benchmark::kMillisecond);

void read_a_mod_and_its_game_with_a_list_of_600(benchmark::State& state) {
  const test_support::temp_folder folder;
  test_support::write_file("game/db/ministers.txt",
                           write_rosters({"game/Mods/MyMod/db/ministers", "game/db/ministers"}));
  const std::vector<std::string> mod{"game/Mods/MyMod"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(clash_of(ids_used_in(read_rosters(roster_folders_of(mod)), "abc"), 601, 660));
  }
}
BENCHMARK(read_a_mod_and_its_game_with_a_list_of_600)->UseRealTime()->Unit(benchmark::kMillisecond);

// What vesk_mg --check does before it writes: the same mod and game read,
// and every ID the 600 rosters share looked for.
void check_a_mod_and_its_game_of_600_rosters(benchmark::State& state) {
  const test_support::temp_folder folder;
  write_rosters({"game/Mods/MyMod/db/ministers", "game/db/ministers"});
  const std::vector<std::string> mod{"game/Mods/MyMod"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(check_of(read_rosters(roster_folders_of(mod, folder_making::look_only))));
  }
}
BENCHMARK(check_a_mod_and_its_game_of_600_rosters)->UseRealTime()->Unit(benchmark::kMillisecond);

// Many folders of many files: each name is looked for among those of the
// folders before it.
void read_100_folders_of_300_rosters(benchmark::State& state) {
  const test_support::temp_folder folder;
  std::vector<std::string> folders;
  for (int f = 0; f < 100; ++f) {
    folders.push_back("folder" + std::to_string(f));
    std::filesystem::create_directory(folders.back());
    for (int i = 0; i < 300; ++i) {
      const std::string number = std::to_string(f * 300 + i);
      test_support::write_file(std::filesystem::path(folders.back()) / ("ministers_" + number + ".csv"),
                               test_support::roster("T" + number, 1000 + f * 300 + i, 1));
    }
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(clash_of(ids_used_in(read_rosters(roster_folders_of(folders)), "abc"), 601, 660));
  }
}
BENCHMARK(read_100_folders_of_300_rosters)->UseRealTime()->Unit(benchmark::kMillisecond);

// A roster whose header is followed by 2 GiB without a line end.
void read_a_roster_of_2_gib_without_a_line_end(benchmark::State& state) {
  const test_support::temp_folder folder;
  test_support::write_file("huge.csv", "HUG;Ruling Cabinet - Start;Name\r\n");
  std::filesystem::resize_file("huge.csv", std::uintmax_t{2} << 30);
  const std::vector<std::string> here{"."};
  for (auto _ : state) benchmark::DoNotOptimize(read_rosters(roster_folders_of(here)));
}
BENCHMARK(read_a_roster_of_2_gib_without_a_line_end)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
