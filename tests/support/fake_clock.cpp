#include "tests/support/fake_clock.hpp"

#include <stdexcept>

#include "draws/percentile_draw.hpp"
#include "platform/run_clock.hpp"

namespace vesk_mg::test_support {

local_time fake_clock::local_now() {
  if (wall_seconds) return clock_.local_now({*wall_seconds, 0}, monotonic);
  if (readings.empty()) return now;
  const local_time reading = readings.front();
  readings.pop_front();
  return reading;
}

std::int64_t fake_clock::monotonic_nanoseconds() {
  // A wait reads the clock once or twice a sleep; no waiting loop reads it a thousand times.
  if (++reads_since_sleep_ > 1000)
    throw std::logic_error("the monotonic clock is read again and again, never slept on");
  if (on_clock_read) on_clock_read();
  return monotonic;
}

void fake_clock::sleep_milliseconds(std::int64_t milliseconds) {
  if (milliseconds <= 0) throw std::logic_error("a sleep of " + std::to_string(milliseconds) + " ms lets no time pass");
  reads_since_sleep_ = 0;
  ++sleeps;
  if (on_sleep) on_sleep();
  slept_ms += milliseconds;
  monotonic += milliseconds * 1'000'000;
  now.nanoseconds_of_day = (now.nanoseconds_of_day + milliseconds * 1'000'000) % 86'400'000'000'000;
}

void fake_clock::queue_draws(std::initializer_list<std::int32_t> draws) {
  for (const std::int32_t draw : draws) readings.push_back(instant_for_draw(draw));
}

local_time instant_for_draw(std::int32_t draw, std::int64_t from_ms) {
  for (std::int64_t ms = from_ms; ms < 86'400'000; ++ms) {
    const local_time reading{2026, 12, 7, ms * 1'000'000};
    generator_state state{};
    reset(state, reading);
    if (random(state) == draw) return reading;
  }
  throw std::logic_error("no instant of the day gives that draw");
}

}  // namespace vesk_mg::test_support
