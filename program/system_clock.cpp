#include "program/system_clock.hpp"

#include <chrono>

#include "platform/errors.hpp"

namespace vesk_mg {

namespace {

constexpr std::int64_t second_ns = 1'000'000'000;

// `count` nanoseconds in whole seconds and the nanoseconds beyond them, before 1970 too.
wall_time wall_time_of(std::int64_t count) {
  const auto seconds = std::chrono::floor<std::chrono::seconds>(std::chrono::nanoseconds(count));
  return {seconds.count(), count - std::chrono::nanoseconds(seconds).count()};
}

class system_run_clock final : public run_clock {
 public:
  local_time local_now() override { return clock_.local_now(wall_clock(), vesk_mg::monotonic_nanoseconds()); }
  std::int64_t monotonic_nanoseconds() override { return vesk_mg::monotonic_nanoseconds(); }
  void sleep_milliseconds(std::int64_t milliseconds) override { vesk_mg::sleep_milliseconds(milliseconds); }

 private:
  synced_clock clock_;
};

}  // namespace

local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds) {
  local_date date{};
  if (!local_date_at(seconds_since_1970, date)) throw clock_range_error("the clock's time has no local date");
  if (date.year < 1901 || date.year > 2099) {
    throw clock_range_error("local year " + std::to_string(date.year) + " is outside 1901 to 2099");
  }
  // Zone offsets are whole minutes, so the fraction of the second carries over.
  return {static_cast<int>(date.year), date.month, date.day, date.second_of_day * second_ns + nanoseconds};
}

std::int64_t synced_clock::now(std::int64_t wall, std::int64_t monotonic) {
  std::int64_t elapsed = 0;
  std::int64_t estimate = 0;
  std::int64_t drift = 0;
  // Readings so far apart that the sums leave 64 bits are a drift too.
  if (synced && !__builtin_sub_overflow(monotonic, monotonic_base, &elapsed) &&
      !__builtin_add_overflow(wall_base, elapsed, &estimate) && !__builtin_sub_overflow(estimate, wall, &drift) &&
      drift <= resync_after_ns && drift >= -resync_after_ns) {
    return estimate;
  }
  synced = true;
  wall_base = wall;
  monotonic_base = monotonic;
  return wall;
}

local_time synced_clock::local_now(wall_time wall, std::int64_t monotonic) {
  std::int64_t wall_ns = 0;
  if (__builtin_mul_overflow(wall.seconds, second_ns, &wall_ns) ||
      __builtin_add_overflow(wall_ns, wall.nanoseconds, &wall_ns)) {
    return local_time_at(wall.seconds, wall.nanoseconds);
  }
  const wall_time reading = wall_time_of(now(wall_ns, monotonic));
  return local_time_at(reading.seconds, reading.nanoseconds);
}

run_clock& system_clock() {
  static system_run_clock instance;
  return instance;
}

}  // namespace vesk_mg
