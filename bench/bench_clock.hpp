// A clock for benchmarks: the platform's real local time, read and
// converted as in a real run, but sleeps that only move a counter, so what
// is measured is everything a draw does besides its pause.
#pragma once

#include "program/system_clock.hpp"

namespace vesk_mg::bench {

class real_clock_fake_sleep final : public run_clock {
 public:
  local_time local_now() override { return system_clock().local_now(); }
  std::int64_t monotonic_nanoseconds() override { return monotonic_; }
  void sleep_milliseconds(std::int64_t milliseconds) override { monotonic_ += milliseconds * 1'000'000; }

 private:
  std::int64_t monotonic_ = 0;
};

}  // namespace vesk_mg::bench
