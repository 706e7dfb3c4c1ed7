#include "draws/percentile_draw.hpp"

namespace vesk_mg {

namespace {

constexpr std::int32_t date_seed(const local_time& reading) {
  return 372 * reading.year + 31 * reading.month + reading.day;
}

// Halves are rounded up: 0.0005 s becomes 1 ms.
constexpr std::int64_t whole_milliseconds(std::int64_t nanoseconds) { return (nanoseconds + 500'000) / 1'000'000; }

}  // namespace

std::int32_t square_mod_n(std::int32_t x, std::int32_t n) {
  const std::int64_t wide = x;
  return static_cast<std::int32_t>((wide * wide) % n);
}

void reset(generator_state& state, const local_time& reading) {
  const auto millisecond_seed = static_cast<std::int32_t>(reading.nanoseconds_of_day / 1'000'000);
  state.x1 = 2 + date_seed(reading) % (generator_p - 3);
  state.x2 = 2 + millisecond_seed % (generator_q - 3);
  for (int i = 0; i < 5; ++i) {
    state.x1 = square_mod_n(state.x1, generator_p);
    state.x2 = square_mod_n(state.x2, generator_q);
  }
  state.p = generator_p;
  state.q = generator_q;
  state.scale = 500.0 / (static_cast<double>(generator_p) * static_cast<double>(generator_q));
}

std::int32_t random(generator_state& state) {
  state.x1 = square_mod_n(state.x1, state.p);
  state.x2 = square_mod_n(state.x2, state.q);
  std::int32_t t = state.x2 - state.x1;
  if (t < 0) t += state.q;
  if (t < 0) t += state.q;
  // Below p * q < 2^53, so the product and its conversion are exact.
  const std::int64_t v = std::int64_t{t} * state.p + state.x1;
  const double f = 0.5 + static_cast<double>(v) * state.scale;
  if (f >= 500.5) return 1;
  // Halves round up, as the draw is defined; f is positive here.
  return static_cast<std::int32_t>(f + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}

void pause(run_clock& clock) {
  const std::int64_t until = clock.monotonic_nanoseconds() + pause_ns;
  std::int64_t remaining = pause_ns;
  do {
    clock.sleep_milliseconds(whole_milliseconds(remaining));
    remaining = until - clock.monotonic_nanoseconds();
  } while (remaining > 0);
}

std::int32_t one_to_five_hundred_random(run_clock& clock) {
  generator_state state{};
  pause(clock);
  reset(state, clock.local_now());
  return random(state);
}

}  // namespace vesk_mg
