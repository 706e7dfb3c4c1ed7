// Wall-clock time with the resolution of the monotonic counter: the wall
// clock is read once and the counter's elapsed time added to it, and the
// two are brought together again whenever they drift more than 2.0 s apart
// (a clock change, a suspended machine).
#pragma once

#include <cstdint>

namespace vesk_mg {

class synced_clock {
 public:
  static constexpr std::int64_t resync_after_ns = 2'000'000'000;

  // Both readings in nanoseconds: the wall clock since the epoch and the
  // monotonic counter since any fixed start. Returns the wall time to use.
  std::int64_t now(std::int64_t wall_ns, std::int64_t monotonic_ns);

 private:
  bool synced_ = false;
  std::int64_t wall_base_ = 0;
  std::int64_t monotonic_base_ = 0;
};

}  // namespace vesk_mg
