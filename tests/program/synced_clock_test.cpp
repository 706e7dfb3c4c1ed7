#include <gtest/gtest.h>

#include <vector>

#include "program/system_clock.hpp"

namespace vesk_mg {
namespace {

constexpr std::int64_t second = 1'000'000'000;

TEST(synced_clock, adds_monotonic_time_until_the_wall_clock_drifts_away) {
  struct step {
    std::int64_t wall;
    std::int64_t monotonic;
    std::int64_t expected;
  };
  const std::vector<step> steps{
      {1000 * second, 5 * second, 1000 * second},                  // first reading: the wall clock
      {1000 * second + 7, 5 * second + 123, 1000 * second + 123},  // the counter's finer time
      {1001 * second, 7 * second, 1002 * second},                  // 1 s behind: kept
      {1000 * second + 1, 7 * second + 1, 1002 * second + 1},      // exactly 2 s: still kept
      {1000 * second, 8 * second, 1000 * second},                  // more than 2 s: back to the wall
      {1000 * second + 5, 8 * second + 5, 1000 * second + 5},
      {1002 * second + 6, 8 * second + 6, 1000 * second + 6},  // the wall exactly 2 s ahead: still kept
      {1006 * second, 9 * second, 1006 * second},              // 5 s ahead of the estimate: back to the wall
  };
  synced_clock clock;
  for (const step& s : steps) EXPECT_EQ(clock.now(s.wall, s.monotonic), s.expected);
}

}  // namespace
}  // namespace vesk_mg
