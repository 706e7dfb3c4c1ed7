#include <sys/prctl.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "platform/code_page.hpp"
#include "platform/env.hpp"
#include "platform/local_time.hpp"
#include "platform/synced_clock.hpp"

namespace vesk_mg {

namespace {

std::int64_t read_clock(clockid_t id) {
  timespec now{};
  ::clock_gettime(id, &now);
  return wall_nanoseconds(now.tv_sec, now.tv_nsec);
}

class posix_env final : public env {
 public:
  posix_env() {
    // The kernel's default timer slack of 50 us stretches every 1 ms sleep
    // of a draw by about a tenth; the draws want it as short as asked.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    ::tzset();
  }

  local_time local_now() override {
    return to_local_time(clock_.now(read_clock(CLOCK_REALTIME), read_clock(CLOCK_MONOTONIC)));
  }

  std::int64_t monotonic_nanoseconds() override { return read_clock(CLOCK_MONOTONIC); }

  void sleep_milliseconds(std::int64_t milliseconds) override {
    timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1'000'000L};
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
  }

  unsigned game_code_page() override {
    return code_page_of_locale(locale_of([](const char* name) { return std::getenv(name); }));
  }

 private:
  synced_clock clock_;
};

}  // namespace

env& default_env() {
  static posix_env instance;
  return instance;
}

}  // namespace vesk_mg
