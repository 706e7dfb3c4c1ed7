// The ten political alignments: their codes, headings and the four fixed
// orders in which the program meets them. The enumeration follows the
// order of the records inside the generation request. Plain constant
// data; nothing here can fail.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vesk_mg {

enum class alignment : std::uint8_t { fa, le, lwr, ml, pa, sc, sd, sl, st, ns };

inline constexpr std::size_t alignment_count = 10;

struct alignment_info {
  std::string_view code;       // as written in the minister file: "NS", "LWR"
  std::string_view draw_code;  // three characters, blank-filled: "NS ", "LWR"
  std::string_view heading;
};

inline constexpr std::array<alignment_info, alignment_count> alignment_infos{{
    {"FA", "FA ", "Fascist"},
    {"LE", "LE ", "Leninist"},
    {"LWR", "LWR", "Left Wing Radical"},
    {"ML", "ML ", "Market Liberal"},
    {"PA", "PA ", "Paternal Autocrat"},
    {"SC", "SC ", "Social Conservative"},
    {"SD", "SD ", "Social Democrat"},
    {"SL", "SL ", "Social Liberal"},
    {"ST", "ST ", "Stalinist"},
    {"NS", "NS ", "National Socialist"},
}};

// The order of the prompt text, in which entries are matched; the
// personality selection looks at the alignments in this order too, and its
// tables hold one column per alignment in it.
inline constexpr std::array<alignment, alignment_count> prompt_order{
    alignment::ns, alignment::pa, alignment::fa, alignment::sc,  alignment::sl,
    alignment::ml, alignment::sd, alignment::st, alignment::lwr, alignment::le};
inline constexpr std::array<alignment, alignment_count> count_entry_order{
    alignment::ns, alignment::fa, alignment::pa,  alignment::sc, alignment::ml,
    alignment::sl, alignment::sd, alignment::lwr, alignment::le, alignment::st};
inline constexpr std::array<alignment, alignment_count> replacement_order{
    alignment::ns, alignment::fa, alignment::pa, alignment::sc,  alignment::sl,
    alignment::ml, alignment::sd, alignment::st, alignment::lwr, alignment::le};

constexpr const alignment_info& info(alignment a) { return alignment_infos[static_cast<std::size_t>(a)]; }

}  // namespace vesk_mg
