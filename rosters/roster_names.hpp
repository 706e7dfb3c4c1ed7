// The names the program gives the roster it writes: "ministers_<tag>.csv"
// for the tag as the request holds it, and fallback number k (1 to 999)
// with its digits in front ("1ministers_abc.csv") where that name is in
// use. Nothing here fails.
#pragma once

#include <string>
#include <string_view>

namespace vesk_mg {

inline constexpr int last_fallback_number = 999;

std::string minister_file_name(std::string_view tag, int fallback_number = 0);

}  // namespace vesk_mg
