// CPU time per minister of a whole generation with the sleeps faked, and
// the process's peak memory, for a roster of the size given by the range.
// Run each size in its own process (bench/run) so the peaks compare.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_env.hpp"
#include "generation/generation_driver.hpp"
#include "tests/support/requests.hpp"

namespace vesk_mg::bench {
namespace {

class null_sink final : public byte_sink {
 public:
  void write_all(std::string_view) override {}
};

void generate_ministers(benchmark::State& state) {
  const auto ministers = static_cast<std::int32_t>(state.range(0));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::string folder = (std::filesystem::temp_directory_path() / "vesk_mg_bench_XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) std::abort();
  std::filesystem::current_path(folder);
  {
    std::ofstream names("names.txt", std::ios::binary);
    for (std::int32_t i = 0; i < ministers; ++i) names << "Minister number " << i << "\r\n";
  }

  real_clock_fake_sleep clock;
  null_sink console_sink;
  for (auto _ : state) {
    const generation_request request = test_support::request_builder(alignment::ns, 1)
                                           .tag("ben")
                                           .counts(alignment::ns, {1, 1, 1, 1, 1, 1, 1, 1, 1, ministers - 9})
                                           .build();
    string_source no_input("");
    text_input in(no_input, "standard input");
    console_output out(console_sink);
    program_io io{in, out, clock};
    vesk_mg::main(request, io);
  }

  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["per_minister"] = benchmark::Counter(
      static_cast<double>(ministers), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(generate_ministers)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
