#include "platform/local_time.hpp"

#include <string>

#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {
constexpr std::int64_t ns_per_second = 1'000'000'000;
}

std::int64_t wall_nanoseconds(std::int64_t seconds, std::int64_t nanoseconds) {
  std::int64_t whole = 0;
  std::int64_t result = 0;
  if (__builtin_mul_overflow(seconds, ns_per_second, &whole) || __builtin_add_overflow(whole, nanoseconds, &result)) {
    throw clock_range_error("the clock's time " + std::to_string(seconds) + " s is outside 1678 to 2262");
  }
  return result;
}

local_time to_local_time(std::int64_t wall_ns) {
  std::int64_t seconds = wall_ns / ns_per_second;
  std::int64_t fraction = wall_ns % ns_per_second;
  if (fraction < 0) {
    fraction += ns_per_second;
    --seconds;
  }
  const std::optional<civil_time> local = local_civil_time(seconds);
  if (!local) throw clock_range_error("the clock's time has no local date");
  if (local->year < first_clock_year || local->year > last_clock_year) {
    throw clock_range_error("local year " + std::to_string(local->year) + " is outside 1901 to 2099");
  }
  // Zone offsets are whole minutes, so the fraction of the second carries over.
  const std::int64_t second_of_day =
      std::int64_t{local->hour} * 3600 + std::int64_t{local->minute} * 60 + local->second;
  return {local->year, local->month, local->day, second_of_day * ns_per_second + fraction};
}

}  // namespace vesk_mg
