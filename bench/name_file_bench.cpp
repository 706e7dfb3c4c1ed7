// What checking a name file costs when its first line is 1 GiB long with
// no line end: it is refused as too long to be a name, read through at
// the disk's pace and never kept.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "names/name_file.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

void check_a_name_line_of_1_gib(benchmark::State& state) {
  const test_support::temp_folder folder;
  test_support::write_file("names.txt", "");
  std::filesystem::resize_file("names.txt", std::uintmax_t{1} << 30);
  code_page_converter converter(1252);
  for (auto _ : state) benchmark::DoNotOptimize(check_names("names.txt", 10, converter));
}
BENCHMARK(check_a_name_line_of_1_gib)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
