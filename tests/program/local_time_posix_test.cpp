#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/errors.hpp"
#include "program/system_clock.hpp"
#include "tests/support/raised.hpp"

namespace vesk_mg {
namespace {

constexpr std::int64_t second = 1'000'000'000;

class local_time_in_zone : public ::testing::Test {
 protected:
  static void use_zone(const char* zone) {
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  void TearDown() override {
    if (saved_) {
      ::setenv("TZ", saved_value_.c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  const char* saved_raw_ = std::getenv("TZ");
  bool saved_ = saved_raw_ != nullptr;
  std::string saved_value_ = saved_ ? saved_raw_ : "";
};

TEST_F(local_time_in_zone, converts_with_the_zone_rules) {
  // 2026-12-07 00:00:01.000999 UTC
  const std::int64_t instant = 1796601601LL * second + 999'000;
  use_zone("UTC0");
  local_time utc = local_time_at(instant / second, instant % second);
  EXPECT_EQ(utc.year, 2026);
  EXPECT_EQ(utc.month, 12);
  EXPECT_EQ(utc.day, 7);
  EXPECT_EQ(utc.nanoseconds_of_day, 1 * second + 999'000);

  use_zone("XST+5");  // five hours behind: the evening before
  local_time west = local_time_at(instant / second, instant % second);
  EXPECT_EQ(west.day, 6);
  EXPECT_EQ(west.nanoseconds_of_day, (19 * 3600 + 1) * second + 999'000);

  // Before 1970 the fraction still counts forward from the whole second before it.
  use_zone("UTC0");
  synced_clock clock;
  const local_time before = clock.local_now({-2, 500'000'000}, 0);
  EXPECT_EQ(before.year, 1969);
  EXPECT_EQ(before.month, 12);
  EXPECT_EQ(before.day, 31);
  EXPECT_EQ(before.nanoseconds_of_day, 86'398 * second + 500'000'000);
}

TEST_F(local_time_in_zone, refuses_years_outside_1901_to_2099) {
  use_zone("UTC0");
  const std::int64_t start_of_2100 = 4102444800LL;
  EXPECT_EQ(local_time_at(start_of_2100 - 1, 0).year, 2099);
  EXPECT_THROW((void)local_time_at(start_of_2100, 0), clock_range_error);
  const std::int64_t start_of_1901 = -2177452800LL;
  EXPECT_EQ(local_time_at(start_of_1901, 0).year, 1901);
  EXPECT_EQ(test_support::raised_by([&] { (void)local_time_at(start_of_1901 - 1, 0); }),
            "VESK_MG.CLOCK_RANGE_ERROR : local year 1900 is outside 1901 to 2099");
}

}  // namespace
}  // namespace vesk_mg
