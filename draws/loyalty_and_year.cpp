#include "draws/loyalty_and_year.hpp"

#include "draws/percentile_draw.hpp"
#include "platform/errors.hpp"

namespace vesk_mg {

std::string_view loyalty_for_draw(std::int32_t draw) {
  for (const loyalty_band& band : loyalty_bands) {
    if (band.draws.holds(draw)) return band.loyalty;
  }
  throw named_error("VESK_MG.GET_LOYALTY.GET_LOYALTY_ERROR", "vesk_mg:118");
}

std::int32_t year_for_draw(std::int32_t draw) {
  for (const year_band& band : year_bands) {
    if (band.draws.holds(draw)) return band.year;
  }
  throw named_error("VESK_MG.GET_YEAR.GET_YEAR_ERROR", "vesk_mg:443");
}

std::string_view get_loyalty(run_clock& clock) { return loyalty_for_draw(one_to_five_hundred_random(clock)); }

std::int32_t get_year(run_clock& clock) { return year_for_draw(one_to_five_hundred_random(clock)); }

}  // namespace vesk_mg
