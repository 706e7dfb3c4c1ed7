// ASCII case folding in place over the whole text; every other byte,
// accented letters included, stays as it is.
#pragma once

#include <span>

namespace vesk_mg {

void upper_case(std::span<char> text);
void lower_case(std::span<char> text);

}  // namespace vesk_mg
