// The minister file's name: "ministers_<tag>.csv" in the working folder,
// or fallback number k (1 to 999) with its digits in front of it.
#pragma once

#include <array>
#include <string>

namespace vesk_mg {

inline constexpr int last_fallback_number = 999;

// Fallback number 0 is the default name.
std::string minister_file_name(const std::array<char, 3>& tag, int fallback_number);

}  // namespace vesk_mg
