// The system's clock as a run reads it: its local time as the draws take
// it, the wall clock read once and the monotonic counter's time added to
// it, read afresh whenever the two drift more than 2 s apart (a clock
// change, a suspended machine); its monotonic clock and its sleep. A local
// year outside 1901 to 2099, or a time with no local date, raises
// clock_range_error.
#pragma once

#include <cstdint>

#include "platform/env.hpp"
#include "platform/run_clock.hpp"

namespace vesk_mg {

// The local date and time of a wall time, checked as the draws take it.
local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds);

struct synced_clock {
  // Readings drifted further apart than this (2 s) are taken afresh.
  static constexpr std::int64_t resync_after_ns = 2'000'000'000;
  bool synced = false;
  std::int64_t wall_base = 0;
  std::int64_t monotonic_base = 0;

  // Both readings in nanoseconds.
  std::int64_t now(std::int64_t wall, std::int64_t monotonic);
  // The local time of a wall-clock reading taken with the monotonic counter
  // at `monotonic` nanoseconds. A reading past what 64-bit nanoseconds hold
  // (2262) is taken as it is.
  local_time local_now(wall_time wall, std::int64_t monotonic);
};

// The system's clock, made once.
run_clock& system_clock();

}  // namespace vesk_mg
