// What the systems' implementations of env.hpp share.
#include "platform/env.hpp"

#include "platform/errors.hpp"

namespace vesk_mg {

bool names_a_file(std::string_view name) { return !name.empty() && name.find('\0') == std::string_view::npos; }

// No folder in front gives npos + 1, which is 0.
std::size_t base_name_start(std::string_view path, system_kind system) {
  return path.find_last_of(system == system_kind::windows ? "/\\:" : "/") + 1;
}

local_time checked_local_time(int year, int month, int day, std::int64_t second_of_day, std::int64_t nanoseconds) {
  if (year < 1901 || year > 2099) {
    throw clock_range_error("local year " + std::to_string(year) + " is outside 1901 to 2099");
  }
  return {year, month, day, second_of_day * 1'000'000'000 + nanoseconds};
}

std::int64_t synced_clock::now(std::int64_t wall, std::int64_t monotonic) {
  std::int64_t elapsed = 0;
  std::int64_t estimate = 0;
  std::int64_t drift = 0;
  // Readings so far apart that the sums leave 64 bits are a drift too.
  if (synced && !__builtin_sub_overflow(monotonic, monotonic_base, &elapsed) &&
      !__builtin_add_overflow(wall_base, elapsed, &estimate) && !__builtin_sub_overflow(estimate, wall, &drift) &&
      drift <= resync_after && drift >= -resync_after) {
    return estimate;
  }
  synced = true;
  wall_base = wall;
  monotonic_base = monotonic;
  return wall;
}

}  // namespace vesk_mg
