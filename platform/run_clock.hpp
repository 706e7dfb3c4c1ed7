// The clock a run reads, behind one interface: the local time as the draws
// read it, the monotonic clock and the sleep. The program gives the
// system's (program/system_clock.hpp); a test gives one that chooses every
// reading and moves time forward instead of sleeping, which makes a run
// repeatable. Reading the local time may raise clock_range_error; nothing
// else here fails.
#pragma once

#include <cstdint>

namespace vesk_mg {

struct local_time {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t nanoseconds_of_day;
};

class run_clock {
 public:
  virtual ~run_clock() = default;

  virtual local_time local_now() = 0;
  virtual std::int64_t monotonic_nanoseconds() = 0;
  virtual void sleep_milliseconds(std::int64_t milliseconds) = 0;
};

}  // namespace vesk_mg
