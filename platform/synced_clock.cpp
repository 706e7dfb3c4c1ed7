#include "platform/synced_clock.hpp"

namespace vesk_mg {

std::int64_t synced_clock::now(std::int64_t wall_ns, std::int64_t monotonic_ns) {
  if (synced_) {
    const std::int64_t estimate = wall_base_ + (monotonic_ns - monotonic_base_);
    const std::int64_t drift = estimate - wall_ns;
    if (drift <= resync_after_ns && drift >= -resync_after_ns) return estimate;
  }
  synced_ = true;
  wall_base_ = wall_ns;
  monotonic_base_ = monotonic_ns;
  return wall_ns;
}

}  // namespace vesk_mg
