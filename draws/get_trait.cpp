#include "draws/get_trait.hpp"

#include <cstddef>
#include <string>

#include "draws/percentile_draw.hpp"
#include "draws/personality_tables.hpp"
#include "platform/errors.hpp"

namespace vesk_mg {

namespace {

// The location messages are "vesk_mg:" and a number: a base per alignment
// plus an offset per position, or a fixed one for an unknown alignment.
constexpr int location_base = 497;
constexpr int location_step = 204;
constexpr std::array<int, position_count> no_band_offsets{0, 28, 46, 78, 98, 114, 128, 144, 158, 172};
constexpr int unknown_position_offset = 175;
constexpr int unknown_alignment_location = 2511;

std::string location(int line) { return "vesk_mg:" + std::to_string(line); }

// The alignment's own error, VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR and so
// on; the columns follow the order of the prompt text.
[[noreturn]] void raise_for(std::size_t column, int offset) {
  throw named_error("VESK_MG.GET_TRAIT.GET_TRAIT_" + std::string(info(prompt_order[column]).code) + "_ERROR",
                    location(location_base + location_step * static_cast<int>(column) + offset));
}

}  // namespace

std::string_view personality_for_draw(std::string_view alignment_code, std::string_view position_code,
                                      std::int32_t draw) {
  std::size_t column = 0;
  while (column < prompt_order.size() && info(prompt_order[column]).draw_code != alignment_code) ++column;
  if (column == prompt_order.size())
    throw named_error("VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR", location(unknown_alignment_location));
  std::size_t position = 0;
  while (position < positions.size() && positions[position].draw_code != position_code) ++position;
  if (position == positions.size()) raise_for(column, unknown_position_offset);

  const position_table& table = personality_tables[position];
  for (std::size_t row = 0; row < table.size; ++row) {
    if (table.rows[row].bands[column].holds(draw)) return table.rows[row].personality;
  }
  // A draw between two bands (only SC's Minister of Armament has such a
  // gap, 457 to 465) belongs to the band below it, so the run goes on.
  for (std::size_t row = table.size; row-- > 1;) {
    const draw_band below = table.rows[row - 1].bands[column];
    const draw_band above = table.rows[row].bands[column];
    if (below.high < draw && draw < above.low) return table.rows[row - 1].personality;
  }
  raise_for(column, no_band_offsets[position]);
}

std::string_view get_trait(run_clock& clock, std::string_view alignment_code, std::string_view position_code) {
  const std::int32_t draw = one_to_five_hundred_random(clock);
  return personality_for_draw(alignment_code, position_code, draw);
}

}  // namespace vesk_mg
