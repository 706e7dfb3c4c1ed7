#include <windows.h>

#include "platform/local_time.hpp"

namespace vesk_mg {

std::optional<civil_time> local_civil_time(std::int64_t seconds_since_epoch) {
  const std::int64_t ticks = seconds_since_epoch * filetime_ticks_per_second + epoch_in_filetime;
  if (ticks < 0) return std::nullopt;
  const FILETIME file_time{static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFFU),
                           static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32)};
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // No zone given: the system's active zone and its daylight-saving rules.
  if (!::FileTimeToSystemTime(&file_time, &utc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return std::nullopt;
  }
  return civil_time{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace vesk_mg
