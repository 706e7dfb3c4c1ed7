// What a run takes from its surroundings, behind one interface: the local
// time as the draws read it, the monotonic clock, the sleep, the code page
// the game reads a roster in and the folder of the program's own file. The
// program gives the system's (program/system_env.hpp); a test gives one
// that chooses every reading and moves time forward instead of sleeping,
// which makes a run repeatable. Reading the local time may raise
// clock_range_error; nothing else here fails.
#pragma once

#include <cstdint>
#include <string>

namespace vesk_mg {

struct local_time {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t nanoseconds_of_day;
};

class run_environment {
 public:
  virtual ~run_environment() = default;

  virtual local_time local_now() = 0;
  virtual std::int64_t monotonic_nanoseconds() = 0;
  virtual void sleep_milliseconds(std::int64_t milliseconds) = 0;
  // The code page the game reads a roster in.
  virtual unsigned game_code_page() { return 1252; }
  // The folder the program's own file stands in, where it looks for a
  // name file it does not find where it was started; "" for none.
  virtual std::string program_folder() { return ""; }
};

}  // namespace vesk_mg
