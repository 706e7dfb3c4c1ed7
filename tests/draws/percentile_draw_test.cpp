#include "draws/percentile_draw.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/support/fake_clock.hpp"

namespace vesk_mg {
namespace {

struct worked_value {
  local_time reading;
  std::int32_t x1;
  std::int32_t x2;
  std::int32_t result;
};

constexpr std::int64_t ms(std::int64_t h, std::int64_t m, std::int64_t s, std::int64_t milli) {
  return (((h * 60 + m) * 60 + s) * 1000 + milli) * 1'000'000;
}

TEST(percentile_draw, gives_the_worked_values) {
  const std::array<worked_value, 5> cases{{
      {{2026, 12, 7, ms(0, 0, 1, 0)}, 81005269, 17514229, 348},
      {{2026, 12, 7, ms(0, 0, 1, 1)}, 81005269, 14552836, 380},
      {{2026, 12, 7, ms(13, 10, 17, 676)}, 81005269, 17514229, 348},
      {{2005, 6, 15, ms(0, 0, 0, 0)}, 11022643, 27466186, 164},
      {{2005, 6, 15, ms(12, 0, 0, 0)}, 11022643, 28624275, 429},
  }};
  for (const worked_value& c : cases) {
    generator_state state{};
    reset(state, c.reading);
    EXPECT_EQ(state.x1, c.x1);
    EXPECT_EQ(state.x2, c.x2);
    EXPECT_EQ(state.p, 94833359);
    EXPECT_EQ(state.q, 47416679);
    EXPECT_DOUBLE_EQ(state.scale, 1.1119307418991781e-13);
    EXPECT_EQ(random(state), c.result);

    test_support::fake_clock clock;
    clock.readings.push_back(c.reading);
    EXPECT_EQ(one_to_five_hundred_random(clock), c.result);
  }
}

TEST(percentile_draw, a_sub_millisecond_fraction_does_not_change_the_seed) {
  generator_state whole{};
  generator_state fraction{};
  reset(whole, {2026, 12, 7, ms(0, 0, 1, 0)});
  reset(fraction, {2026, 12, 7, ms(0, 0, 1, 0) + 999'999});
  EXPECT_EQ(whole.x2, fraction.x2);
}

TEST(percentile_draw, covers_one_to_five_hundred_evenly) {
  std::vector<int> seen(501, 0);
  for (std::int64_t milli = 0; milli < 500'000; ++milli) {
    generator_state state{};
    reset(state, {2026, 12, 7, milli * 1'000'000});
    const std::int32_t value = random(state);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 500);
    ++seen[static_cast<std::size_t>(value)];
  }
  for (std::size_t value = 1; value <= 500; ++value) {
    EXPECT_GT(seen[value], 700) << value;
    EXPECT_LT(seen[value], 1300) << value;
  }
}

TEST(square_mod_n, squares_without_overflow) {
  EXPECT_EQ(square_mod_n(94833358, 94833359), 1);
  EXPECT_EQ(square_mod_n(3, 7), 2);
  EXPECT_EQ(square_mod_n(0, 47416679), 0);
}

// A clock whose sleeps each let a fixed amount of monotonic time pass.
class stepping_clock final : public run_clock {
 public:
  explicit stepping_clock(std::int64_t step_ns) : step_ns_(step_ns) {}
  std::vector<std::int64_t> requested;
  std::int64_t monotonic = 0;
  local_time local_now() override { return {2026, 12, 7, 0}; }
  std::int64_t monotonic_nanoseconds() override { return monotonic; }
  void sleep_milliseconds(std::int64_t milliseconds) override {
    requested.push_back(milliseconds);
    monotonic += step_ns_;
  }

 private:
  std::int64_t step_ns_;
};

TEST(pause, sleeps_whole_milliseconds_rounded_half_up_until_the_time_has_passed) {
  struct pause_case {
    std::int64_t step_ns;
    std::vector<std::int64_t> requested;
  };
  const std::vector<pause_case> cases{
      {1'000'000, {1}},   // the usual case: one sleep of 1 ms
      {500'000, {1}},     // exactly the pause
      {300'000, {1, 0}},  // 0.2 ms left rounds down to 0
      {100'000, {1, 0, 0, 0, 0}},
  };
  for (const pause_case& c : cases) {
    stepping_clock clock(c.step_ns);
    pause(clock);
    EXPECT_EQ(clock.requested, c.requested) << c.step_ns;
    EXPECT_GE(clock.monotonic, pause_ns);
  }
}

TEST(pause, half_a_millisecond_left_is_a_sleep_of_one) {
  // The clock leaves exactly 0.0005 s after the first sleep, then 0.000499999 s.
  class scripted final : public run_clock {
   public:
    std::vector<std::int64_t> readings{0, 0, 1, pause_ns};
    std::vector<std::int64_t> requested;
    std::size_t next = 0;
    local_time local_now() override { return {2026, 12, 7, 0}; }
    std::int64_t monotonic_nanoseconds() override { return readings[next++]; }
    void sleep_milliseconds(std::int64_t milliseconds) override { requested.push_back(milliseconds); }
  } script;
  pause(script);
  EXPECT_EQ(script.requested, (std::vector<std::int64_t>{1, 1, 0}));
}

}  // namespace
}  // namespace vesk_mg
