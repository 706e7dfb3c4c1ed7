#include <windows.h>

#include <string>

#include "platform/local_time.hpp"
#include "platform/named_error.hpp"

namespace vesk_mg {

namespace {
constexpr std::int64_t ns_per_second = 1'000'000'000;
// 100 ns ticks from 1601-01-01 to 1970-01-01.
constexpr std::int64_t epoch_in_filetime = 116'444'736'000'000'000;
}  // namespace

local_time to_local_time(std::int64_t wall_ns) {
  std::int64_t seconds = wall_ns / ns_per_second;
  std::int64_t fraction = wall_ns % ns_per_second;
  if (fraction < 0) {
    fraction += ns_per_second;
    --seconds;
  }
  const std::int64_t ticks = seconds * 10'000'000 + epoch_in_filetime;
  FILETIME file_time{static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFFU),
                     static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32)};
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // No zone given: the system's active zone and its daylight-saving rules.
  if (ticks < 0 || !::FileTimeToSystemTime(&file_time, &utc) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    throw clock_range_error("the clock's time has no local date");
  }
  const int year = local.wYear;
  if (year < first_clock_year || year > last_clock_year) {
    throw clock_range_error("local year " + std::to_string(year) + " is outside 1901 to 2099");
  }
  // Zone offsets are whole minutes, so the fraction of the second carries over.
  const std::int64_t second_of_day =
      std::int64_t{local.wHour} * 3600 + std::int64_t{local.wMinute} * 60 + local.wSecond;
  return {year, local.wMonth, local.wDay, second_of_day * ns_per_second + fraction};
}

}  // namespace vesk_mg
