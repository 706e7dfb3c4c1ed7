// The ten cabinet positions in position order, with the code the
// personality draw takes and the title the minister file shows.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vesk_mg {

inline constexpr std::size_t position_count = 10;

struct position_info {
  std::string_view draw_code;  // always four characters
  std::string_view title;
};

inline constexpr std::array<position_info, position_count> positions{{
    {"HoS ", "Head of State"},
    {"HoG ", "Head of Government"},
    {"FM  ", "Foreign Minister"},
    {"MoA ", "Minister of Armament"},
    {"MoS ", "Minister of Security"},
    {"HoMI", "Head of Military Intelligence"},
    {"CoS ", "Chief of Staff"},
    {"CoAr", "Chief of Army"},
    {"CoN ", "Chief of Navy"},
    {"CoAF", "Chief of Air Force"},
}};

}  // namespace vesk_mg
