#include <ctime>

#include "platform/local_time.hpp"

namespace vesk_mg {

std::optional<civil_time> local_civil_time(std::int64_t seconds_since_epoch) {
  const auto whole = static_cast<std::time_t>(seconds_since_epoch);
  std::tm parts{};
  if (::localtime_r(&whole, &parts) == nullptr) return std::nullopt;
  return civil_time{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace vesk_mg
