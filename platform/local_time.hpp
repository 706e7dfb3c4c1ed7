// Converts a wall time (nanoseconds since the epoch) to the local calendar
// date and time of day with the platform's time-zone rules. Raises
// clock_range_error when the local year is outside 1901 to 2099.
#pragma once

#include <cstdint>

#include "platform/env.hpp"

namespace vesk_mg {

local_time to_local_time(std::int64_t wall_ns);

}  // namespace vesk_mg
