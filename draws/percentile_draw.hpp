// The percentile draw: a whole number from 1 to 500, each equally likely,
// behind every random attribute of a minister. Each draw builds a fresh
// generator, pauses for 0.0005 s, seeds it from one reading of the local
// clock and returns its first value, so a draw is a fixed function of the
// local date and the local millisecond of the day. Reading the clock can
// raise clock_range_error; nothing else fails.
#pragma once

#include <cstdint>

#include "platform/run_clock.hpp"

namespace vesk_mg {

struct generator_state {
  std::int32_t x1;
  std::int32_t x2;
  std::int32_t p;
  std::int32_t q;
  double scale;
};

inline constexpr std::int32_t generator_p = 94833359;
inline constexpr std::int32_t generator_q = 47416679;
inline constexpr std::int64_t pause_ns = 500'000;

// The steps of one draw, in the order it takes them.
void pause(run_clock& clock);
void reset(generator_state& state, const local_time& reading);
std::int32_t random(generator_state& state);
// For 0 <= x < n; the square is formed in 64 bits.
std::int32_t square_mod_n(std::int32_t x, std::int32_t n);

std::int32_t one_to_five_hundred_random(run_clock& clock);

}  // namespace vesk_mg
