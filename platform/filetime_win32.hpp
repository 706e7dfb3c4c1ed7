// Windows' FILETIME: 100 ns ticks since 1601-01-01, UTC. Plain constants.
#pragma once

#include <cstdint>

namespace vesk_mg {

inline constexpr std::int64_t filetime_ticks_per_second = 10'000'000;
// The ticks from 1601-01-01 to 1970-01-01, where the program's wall time starts.
inline constexpr std::int64_t epoch_in_filetime = 116'444'736'000'000'000;

}  // namespace vesk_mg
