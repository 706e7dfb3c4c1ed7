// Personality selection: one percentile draw, then the band of the
// minister's alignment and position that holds it. The draw is made first,
// before either code is looked at. An alignment code that is none of the
// ten raises wrong_alignment_error; an unknown position code, or a draw no
// band holds, raises the alignment's own error (get_trait_ns_error and so
// on) with the location message of that case.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/run_clock.hpp"

namespace vesk_mg {

// The selection for a draw already made.
std::string_view personality_for_draw(std::string_view alignment_code, std::string_view position_code,
                                      std::int32_t draw);

// get_trait: the personality of one minister of the alignment (three
// characters, "NS ") and position (four characters, "HoS ").
std::string_view get_trait(run_clock& clock, std::string_view alignment_code, std::string_view position_code);

}  // namespace vesk_mg
