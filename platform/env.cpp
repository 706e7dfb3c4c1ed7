// What the systems' implementations of env.hpp share.
#include "platform/env.hpp"

#include "platform/errors.hpp"

#include <optional>
#include <string>

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

wall_time wall_time_of(std::int64_t count, std::int64_t per_second) {
  const std::int64_t rest = count % per_second;
  const bool before = rest < 0;
  return {count / per_second - (before ? 1 : 0), (before ? rest + per_second : rest) * (1'000'000'000 / per_second)};
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

local_time synced_clock::local_now(wall_time wall, std::int64_t monotonic) {
  constexpr std::int64_t second_ns = 1'000'000'000;
  std::int64_t wall_ns = 0;
  if (__builtin_mul_overflow(wall.seconds, second_ns, &wall_ns) ||
      __builtin_add_overflow(wall_ns, wall.nanoseconds, &wall_ns)) {
    return local_time_at(wall.seconds, wall.nanoseconds);
  }
  const wall_time reading = wall_time_of(now(wall_ns, monotonic), second_ns);
  return local_time_at(reading.seconds, reading.nanoseconds);
}

std::optional<std::string> code_page_converter::character_in_code_page(std::string_view character) {
  const bool east_asian = code_page_ == 932 || code_page_ == 936 || code_page_ == 949 || code_page_ == 950;
  std::optional<std::string> bytes = available() ? encode(character) : std::nullopt;
  if (!bytes || bytes->empty() || bytes->size() > (east_asian ? 2U : 1U) || decode(*bytes) != character) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace vesk_mg
