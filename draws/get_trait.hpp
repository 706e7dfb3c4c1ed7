// Personality selection: one percentile draw, then the band of the
// minister's alignment and position that holds it. The draw is made first,
// before either code is looked at. An alignment code that is none of the
// ten raises wrong_alignment_error; an unknown position code, or a draw no
// band holds, raises the alignment's own error (get_trait_ns_error and so
// on) with the location message of that case.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/env.hpp"

namespace vesk_mg {

// The alignment codes in the order the selection tests them.
inline constexpr std::array<std::string_view, 10> trait_alignment_codes{"NS ", "PA ", "FA ", "SC ", "SL ",
                                                                        "ML ", "SD ", "ST ", "LWR", "LE "};

inline constexpr std::array<std::string_view, 10> get_trait_errors{
    "VESK_MG.GET_TRAIT.GET_TRAIT_NS_ERROR",  "VESK_MG.GET_TRAIT.GET_TRAIT_PA_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_FA_ERROR",  "VESK_MG.GET_TRAIT.GET_TRAIT_SC_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_SL_ERROR",  "VESK_MG.GET_TRAIT.GET_TRAIT_ML_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_SD_ERROR",  "VESK_MG.GET_TRAIT.GET_TRAIT_ST_ERROR",
    "VESK_MG.GET_TRAIT.GET_TRAIT_LWR_ERROR", "VESK_MG.GET_TRAIT.GET_TRAIT_LE_ERROR"};

inline constexpr std::string_view wrong_alignment_error = "VESK_MG.GET_TRAIT.WRONG_ALIGNMENT_ERROR";

// The selection for a draw already made.
std::string_view personality_for_draw(std::string_view alignment_code, std::string_view position_code,
                                      std::int32_t draw);

std::string_view get_trait(env& clock, std::string_view alignment_code, std::string_view position_code);

}  // namespace vesk_mg
