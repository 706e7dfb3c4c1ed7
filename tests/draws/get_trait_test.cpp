#include "draws/get_trait.hpp"

#include <gtest/gtest.h>

#include <string>

#include "draws/personality_tables.hpp"
#include "platform/errors.hpp"
#include "tests/support/fake_clock.hpp"
#include "tests/support/personalities.hpp"
#include "tests/support/raised.hpp"

namespace vesk_mg {
namespace {

TEST(personality_tables, hold_every_positions_personalities_letter_for_letter) {
  for (std::size_t position = 0; position < personality_tables.size(); ++position) {
    const position_table& table = personality_tables[position];
    std::vector<std::string_view> texts;
    for (std::size_t row = 0; row < table.size; ++row) texts.push_back(table.rows[row].personality);
    EXPECT_EQ(texts, test_support::personalities_by_position[position].personalities) << position;
  }
}

TEST(personality_tables, every_column_divides_one_to_five_hundred_but_the_one_gap) {
  for (std::size_t position = 0; position < personality_tables.size(); ++position) {
    const position_table& table = personality_tables[position];
    for (std::size_t column = 0; column < alignment_count; ++column) {
      EXPECT_EQ(table.rows[0].bands[column].low, 1);
      EXPECT_EQ(table.rows[table.size - 1].bands[column].high, 500);
      for (std::size_t row = 0; row < table.size; ++row) {
        const draw_band band = table.rows[row].bands[column];
        EXPECT_GE(band.high - band.low + 1, 3) << position << " " << column << " " << row;
        if (row == 0) continue;
        const int expected_low = table.rows[row - 1].bands[column].high + 1;
        const bool the_gap = position == 3 && column == 3 && row == 12;
        EXPECT_EQ(band.low, the_gap ? 466 : expected_low) << position << " " << column << " " << row;
      }
    }
  }
}

struct selection_case {
  const char* alignment;
  const char* position;
  std::int32_t draw;
  const char* personality;
};

TEST(get_trait, selects_the_band_that_holds_the_draw) {
  const std::vector<selection_case> cases{
      {"NS ", "HoS ", 120, "Powerhungry Demagogue"},
      {"NS ", "HoS ", 121, "Stern Imperialist"},
      {"PA ", "CoN ", 309, "Decisive Naval Battle Doctrine"},
      {"PA ", "CoN ", 310, "Decisive Naval Battle Doctrine"},
      {"PA ", "CoN ", 311, "Power Projection Doctrine"},
      {"LWR", "MoS ", 347, "Crime Fighter"},
      {"LWR", "MoS ", 348, "Silent Lawyer"},
      {"NS ", "CoN ", 200, "Decisive Battle Doctrine"},
      {"NS ", "CoAr", 200, "Decisive Battle Doctrine"},
      {"SD ", "HoS ", 3, "Powerhungry Demagogue"},
      {"SD ", "HoS ", 4, "Stern Imperialist"},
      {"SD ", "HoS ", 346, "Ruthless Powermonger"},
      {"SD ", "HoS ", 348, "Ruthless Powermonger"},
      {"SC ", "HoG ", 410, "Old Air Marshal"},
      {"SC ", "HoG ", 412, "Old Air Marshal"},
      {"SL ", "HoG ", 460, "Old Admiral"},
      {"SL ", "HoG ", 463, "Ambitious Union Boss"},
      {"NS ", "MoA ", 497, "Infantry Proponent"},
      {"NS ", "MoA ", 498, "Submarine Proponent"},
      {"NS ", "CoAF", 201, "Army Aviation Doctrine"},
      {"NS ", "CoAF", 440, "Army Aviation Doctrine"},
      {"NS ", "CoAF", 441, "Vertical Envelopement Doctrine"},
      {"ST ", "HoS ", 100, "Powerhungry Demagogue"},
      {"PA ", "HoS ", 100, "Barking Buffoon"},
      {"LWR", "HoS ", 100, "Barking Buffoon"},
      {"FA ", "HoS ", 100, "Stern Imperialist"},
      {"LE ", "FM  ", 486, "The Cloak N Dagger Schemer"},
      {"ML ", "HoMI", 288, "Naval Intelligence Specialist"},
      {"SC ", "CoS ", 404, "School of Mass Combat"},
      {"LE ", "CoAr", 195, "Static Defense Doctrine"},
      // The one gap: SC's Minister of Armament, 457 to 465, goes to the band below.
      {"SC ", "MoA ", 456, "Air to Ground Proponent"},
      {"SC ", "MoA ", 457, "Air to Ground Proponent"},
      {"SC ", "MoA ", 465, "Air to Ground Proponent"},
      {"SC ", "MoA ", 466, "Infantry Proponent"},
  };
  for (const selection_case& c : cases) {
    EXPECT_EQ(personality_for_draw(c.alignment, c.position, c.draw), c.personality)
        << c.alignment << "|" << c.position << "|" << c.draw;
  }
}

TEST(get_trait, draw_one_and_five_hundred_give_the_first_and_last_personality) {
  for (const alignment a : prompt_order) {
    for (std::size_t position = 0; position < position_count; ++position) {
      const position_table& table = personality_tables[position];
      const std::string_view code = positions[position].draw_code;
      EXPECT_EQ(personality_for_draw(info(a).draw_code, code, 1), table.rows[0].personality);
      EXPECT_EQ(personality_for_draw(info(a).draw_code, code, 500), table.rows[table.size - 1].personality);
    }
  }
}

struct error_case {
  const char* alignment;
  const char* position;
  std::int32_t draw;
  const char* full_name;
  const char* message;
};

TEST(get_trait, raises_named_errors_with_their_locations) {
  const std::vector<error_case> cases{
      {"ns ", "HoS ", 100, "VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR", "vesk_mg:2511"},
      {"XX ", "HoS ", 100, "VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR", "vesk_mg:2511"},
      {"NS", "HoS ", 100, "VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR", "vesk_mg:2511"},
      {"NS ", "XXXX", 100, "VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR", "vesk_mg:672"},
      {"NS ", "FM", 100, "VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR", "vesk_mg:672"},
      {"LE ", "hos ", 100, "VESK_MG.GET_TRAIT.GET_TRAIT_LE_ERROR", "vesk_mg:2508"},
      {"NS ", "HoS ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR", "vesk_mg:497"},
      {"ML ", "MoS ", 501, "VESK_MG.GET_TRAIT.GET_TRAIT_ML_ERROR", "vesk_mg:1615"},
      {"LE ", "CoAF", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_LE_ERROR", "vesk_mg:2505"},
      {"PA ", "HoG ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_PA_ERROR", "vesk_mg:729"},
      {"FA ", "FM  ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_FA_ERROR", "vesk_mg:951"},
      {"SC ", "MoA ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_SC_ERROR", "vesk_mg:1187"},
      {"SL ", "HoMI", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_SL_ERROR", "vesk_mg:1427"},
      {"SD ", "CoS ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_SD_ERROR", "vesk_mg:1849"},
      {"ST ", "CoAr", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_ST_ERROR", "vesk_mg:2069"},
      {"LWR", "CoN ", 0, "VESK_MG.GET_TRAIT.GET_TRAIT_LWR_ERROR", "vesk_mg:2287"},
  };
  for (const error_case& c : cases) {
    EXPECT_EQ(test_support::raised_by([&] { (void)personality_for_draw(c.alignment, c.position, c.draw); }),
              std::string(c.full_name) + " : " + c.message)
        << c.alignment << "|" << c.position;
  }
}

TEST(get_trait, draws_before_looking_at_the_codes) {
  test_support::fake_clock clock;
  EXPECT_THROW((void)get_trait(clock, "XX ", "HoS "), named_error);
  EXPECT_EQ(clock.sleeps, 1);
  clock.queue_draws({121});
  EXPECT_EQ(get_trait(clock, "NS ", "HoS "), "Stern Imperialist");
  EXPECT_EQ(clock.sleeps, 2);
}

}  // namespace
}  // namespace vesk_mg
