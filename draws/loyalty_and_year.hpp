// A minister's loyalty and start year, each from one percentile draw mapped
// through a fixed band table. A draw that no band holds raises the
// function's own named error; draws of 1 to 500 always find their band.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "draws/draw_band.hpp"
#include "platform/run_clock.hpp"

namespace vesk_mg {

struct loyalty_band {
  draw_band draws;
  std::string_view loyalty;
};

struct year_band {
  draw_band draws;
  std::int32_t year;
};

inline constexpr std::array<loyalty_band, 5> loyalty_bands{{
    {{1, 6}, "Very Low"},
    {{7, 35}, "Low"},
    {{36, 240}, "Medium"},
    {{241, 440}, "High"},
    {{441, 500}, "Very High"},
}};

inline constexpr std::array<year_band, 12> year_bands{{
    {{1, 153}, 36},
    {{154, 186}, 37},
    {{187, 223}, 38},
    {{224, 259}, 39},
    {{260, 294}, 40},
    {{295, 328}, 41},
    {{329, 352}, 42},
    {{353, 381}, 43},
    {{382, 419}, 44},
    {{420, 462}, 45},
    {{463, 487}, 46},
    {{488, 500}, 47},
}};

std::string_view loyalty_for_draw(std::int32_t draw);
std::int32_t year_for_draw(std::int32_t draw);

std::string_view get_loyalty(run_clock& clock);
std::int32_t get_year(run_clock& clock);

}  // namespace vesk_mg
