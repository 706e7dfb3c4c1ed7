// Converts a wall time (nanoseconds since the epoch) to the local calendar
// date and time of day with the platform's time-zone rules. Raises
// clock_range_error when the local year is outside 1901 to 2099, or when
// the platform has no local date for the time.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/env.hpp"

namespace vesk_mg {

// Windows' FILETIME counts 100 ns ticks since 1601-01-01; this many of them
// pass before 1970-01-01, where the program's wall time starts.
inline constexpr std::int64_t filetime_ticks_per_second = 10'000'000;
inline constexpr std::int64_t epoch_in_filetime = 116'444'736'000'000'000;

// The local calendar fields of a whole second since the epoch, as the
// platform's zone rules give them; nothing when it cannot convert.
struct civil_time {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};
std::optional<civil_time> local_civil_time(std::int64_t seconds_since_epoch);

local_time to_local_time(std::int64_t wall_ns);

// A clock reading in whole seconds and nanoseconds since the epoch as
// 64-bit nanoseconds; raises clock_range_error for a reading they cannot
// hold (before 1678 or after 2262).
std::int64_t wall_nanoseconds(std::int64_t seconds, std::int64_t nanoseconds);

}  // namespace vesk_mg
