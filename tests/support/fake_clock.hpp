// A clock and sleep for tests: sleeping only moves time forward, and a test
// can queue the exact reading (or the exact draw value) each draw gets. A wait that could
// never end here, a sleep of no time or the monotonic clock read again and
// again with no sleep between, raises std::logic_error at once instead of
// spinning until the test is killed.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "program/system_clock.hpp"

namespace vesk_mg::test_support {

class fake_clock final : public run_clock {
 public:
  local_time now{2026, 12, 7, 0};
  std::int64_t monotonic = 0;
  std::deque<local_time> readings;  // taken in turn; when empty, `now`
  // When set, every reading is this wall clock time, synced and converted
  // as the real clock's readings are.
  std::optional<std::int64_t> wall_seconds;
  std::function<void()> on_sleep;       // something that happens while the program sleeps
  std::function<void()> on_clock_read;  // or as it reads the monotonic clock
  int sleeps = 0;
  std::int64_t slept_ms = 0;

  local_time local_now() override;
  std::int64_t monotonic_nanoseconds() override;
  void sleep_milliseconds(std::int64_t milliseconds) override;

  // Queues readings that make the next draws come out as `draws`.
  void queue_draws(std::initializer_list<std::int32_t> draws);

 private:
  synced_clock clock_;
  int reads_since_sleep_ = 0;
};

// The first reading on 7 December 2026 at or after `from_ms` whose draw is `draw`.
local_time instant_for_draw(std::int32_t draw, std::int64_t from_ms = 0);

}  // namespace vesk_mg::test_support
