// CPU time per minister of a whole generation with the sleeps faked, and
// the process's peak memory, for a roster of the size given by the range.
// Run each size in its own process (bench/run) so the peaks compare.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "bench/bench_clock.hpp"
#include "program/vesk_mg.hpp"
#include "tests/support/requests.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg::bench {
namespace {

class null_sink final : public byte_sink {
 public:
  void write_all(std::string_view) override {}
};

void generate_ministers(benchmark::State& state) {
  const auto ministers = static_cast<std::int32_t>(state.range(0));
  const test_support::temp_folder folder;
  {
    // Written a thousand at a time, so the set-up does not raise the peak.
    std::ofstream names("names.txt", std::ios::binary);
    for (std::int32_t first = 1; first <= ministers; first += 1000) {
      names << test_support::numbered_names(std::min(1000, ministers - first + 1), "\r\n", first);
    }
  }

  real_clock_fake_sleep clock;
  null_sink console_sink;
  // Built once: building checks the names, as the dialogue does, and that is not generation's work.
  const test_support::built_request request = test_support::request_builder(alignment::ns, 1)
                                                  .tag("ben")
                                                  .counts(alignment::ns, {1, 1, 1, 1, 1, 1, 1, 1, 1, ministers - 9})
                                                  .build();
  for (auto _ : state) {
    test_support::string_source no_input("");
    if (run_program(no_input, console_sink, console_sink, clock,
                    [&](program_io& io) { test_support::generate(request, io); }) != 0) {
      state.SkipWithError("the generation failed");
    }
  }

  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["per_minister"] = benchmark::Counter(
      static_cast<double>(ministers), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(generate_ministers)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vesk_mg::bench

BENCHMARK_MAIN();
