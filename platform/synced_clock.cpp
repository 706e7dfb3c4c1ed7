#include "platform/synced_clock.hpp"

namespace vesk_mg {

std::int64_t synced_clock::now(std::int64_t wall_ns, std::int64_t monotonic_ns) {
  std::int64_t elapsed = 0;
  std::int64_t estimate = 0;
  std::int64_t drift = 0;
  // Readings so far apart that the sums leave 64 bits are a drift too.
  if (synced_ && !__builtin_sub_overflow(monotonic_ns, monotonic_base_, &elapsed) &&
      !__builtin_add_overflow(wall_base_, elapsed, &estimate) && !__builtin_sub_overflow(estimate, wall_ns, &drift) &&
      drift <= resync_after_ns && drift >= -resync_after_ns) {
    return estimate;
  }
  synced_ = true;
  wall_base_ = wall_ns;
  monotonic_base_ = monotonic_ns;
  return wall_ns;
}

}  // namespace vesk_mg
