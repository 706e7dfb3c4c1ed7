// The clock, the sleep and the environment: the program's only link to
// time and to the settings of the user's system. The program uses
// default_env(); tests hand in a fake that chooses every reading and moves
// time forward instead of sleeping. Reading the local time raises
// clock_range_error for a local year outside 1901 to 2099.
#pragma once

#include <cstdint>

namespace vesk_mg {

struct local_time {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  std::int64_t nanoseconds_of_day;
};

inline constexpr int first_clock_year = 1901;
inline constexpr int last_clock_year = 2099;

class env {
 public:
  env() = default;
  env(const env&) = delete;
  env& operator=(const env&) = delete;
  virtual ~env() = default;

  virtual local_time local_now() = 0;
  virtual std::int64_t monotonic_nanoseconds() = 0;
  virtual void sleep_milliseconds(std::int64_t milliseconds) = 0;
  // The code page the game reads a roster in (code_page.hpp); Windows-1252
  // where nothing tells otherwise.
  virtual unsigned game_code_page() { return 1252; }
};

env& default_env();

}  // namespace vesk_mg
