// The clock, the sleep and the environment of a run, behind one interface:
// the program gives the system's, and a run can be given one that chooses
// every reading and moves time forward instead of sleeping, which makes it
// repeatable. The system's local time is read as the draws take it: the
// wall clock read once and the monotonic counter's time added to it, read
// afresh whenever the two drift more than 2 s apart (a clock change, a
// suspended machine). A local year outside 1901 to 2099,
// or a time with no local date, raises clock_range_error.
#pragma once

#include <cstdint>
#include <string>

#include "platform/env.hpp"

namespace vesk_mg {

struct local_time {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t nanoseconds_of_day;
};

class env {
 public:
  virtual ~env() = default;

  virtual local_time local_now() = 0;
  virtual std::int64_t monotonic_nanoseconds() = 0;
  virtual void sleep_milliseconds(std::int64_t milliseconds) = 0;
  // The code page the game reads a roster in.
  virtual unsigned game_code_page() { return 1252; }
  // The folder the program's own file stands in, where it looks for a
  // name file it does not find where it was started; "" for none.
  virtual std::string program_folder() { return ""; }
};

// The local date and time of a wall time, checked as the draws take it.
local_time local_time_at(std::int64_t seconds_since_1970, std::int64_t nanoseconds);

struct synced_clock {
  std::int64_t resync_after;  // 2 s in the readings' unit
  bool synced = false;
  std::int64_t wall_base = 0;
  std::int64_t monotonic_base = 0;

  std::int64_t now(std::int64_t wall, std::int64_t monotonic);
  // The local time of a wall-clock reading taken with the monotonic counter
  // at `monotonic` nanoseconds (`resync_after` in nanoseconds too). A
  // reading past what 64-bit nanoseconds hold (2262) is taken as it is.
  local_time local_now(wall_time wall, std::int64_t monotonic);
};

}  // namespace vesk_mg
