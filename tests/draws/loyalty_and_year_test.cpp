#include "draws/loyalty_and_year.hpp"

#include <gtest/gtest.h>

#include <string>

#include "platform/errors.hpp"
#include "tests/support/fake_clock.hpp"
#include "tests/support/raised.hpp"

namespace vesk_mg {
namespace {

TEST(get_loyalty, maps_band_edges) {
  const std::vector<std::pair<std::int32_t, std::string>> cases{
      {1, "Very Low"}, {6, "Very Low"}, {7, "Low"},    {35, "Low"},        {36, "Medium"},
      {240, "Medium"}, {241, "High"},   {440, "High"}, {441, "Very High"}, {500, "Very High"}};
  for (const auto& [draw, loyalty] : cases) EXPECT_EQ(loyalty_for_draw(draw), loyalty) << draw;
}

TEST(get_year, maps_band_edges) {
  const std::vector<std::pair<std::int32_t, std::int32_t>> cases{
      {1, 36},   {153, 36}, {154, 37}, {186, 37}, {187, 38}, {223, 38}, {224, 39}, {259, 39},
      {260, 40}, {294, 40}, {295, 41}, {328, 41}, {329, 42}, {352, 42}, {353, 43}, {381, 43},
      {382, 44}, {419, 44}, {420, 45}, {462, 45}, {463, 46}, {487, 46}, {488, 47}, {500, 47}};
  for (const auto& [draw, year] : cases) EXPECT_EQ(year_for_draw(draw), year) << draw;
}

TEST(loyalty_and_year, a_draw_in_no_band_raises_the_functions_own_error) {
  for (const std::int32_t draw : {0, 501, -7}) {
    EXPECT_EQ(test_support::raised_by([&] { (void)loyalty_for_draw(draw); }),
              "VESK_MG.GET_LOYALTY.GET_LOYALTY_ERROR : vesk_mg:118")
        << draw;
    EXPECT_EQ(test_support::raised_by([&] { (void)year_for_draw(draw); }),
              "VESK_MG.GET_YEAR.GET_YEAR_ERROR : vesk_mg:443")
        << draw;
  }
}

TEST(loyalty_and_year, each_call_makes_its_own_draw) {
  test_support::fake_clock clock;
  clock.queue_draws({6, 488});
  EXPECT_EQ(get_loyalty(clock), "Very Low");
  EXPECT_EQ(get_year(clock), 47);
  EXPECT_EQ(clock.sleeps, 2);
}

}  // namespace
}  // namespace vesk_mg
