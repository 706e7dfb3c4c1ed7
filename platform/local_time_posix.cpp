#include <ctime>
#include <string>

#include "platform/local_time.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {
constexpr std::int64_t ns_per_second = 1'000'000'000;
}

local_time to_local_time(std::int64_t wall_ns) {
  std::int64_t seconds = wall_ns / ns_per_second;
  std::int64_t fraction = wall_ns % ns_per_second;
  if (fraction < 0) {
    fraction += ns_per_second;
    --seconds;
  }
  const auto whole = static_cast<std::time_t>(seconds);
  std::tm parts{};
  if (::localtime_r(&whole, &parts) == nullptr) {
    throw clock_range_error("the clock's time has no local date");
  }
  const int year = parts.tm_year + 1900;
  if (year < first_clock_year || year > last_clock_year) {
    throw clock_range_error("local year " + std::to_string(year) + " is outside 1901 to 2099");
  }
  const std::int64_t second_of_day =
      std::int64_t{parts.tm_hour} * 3600 + std::int64_t{parts.tm_min} * 60 + parts.tm_sec;
  return {year, parts.tm_mon + 1, parts.tm_mday, second_of_day * ns_per_second + fraction};
}

}  // namespace vesk_mg
