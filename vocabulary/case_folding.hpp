// ASCII case folding in place over the whole text; every other byte,
// accented letters included, stays as it is.
#pragma once

#include <span>
#include <string_view>

namespace vesk_mg {

void upper_case(std::span<char> text);
void lower_case(std::span<char> text);

// One character as lower_case leaves it.
constexpr char lower_case_of(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// True when the two texts are the same once folded as lower_case folds them.
bool same_but_case(std::string_view a, std::string_view b);

}  // namespace vesk_mg
