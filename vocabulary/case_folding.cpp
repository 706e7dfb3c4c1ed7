#include "vocabulary/case_folding.hpp"

#include <algorithm>

namespace vesk_mg {

void upper_case(std::span<char> text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
}

void lower_case(std::span<char> text) {
  for (char& c : text) c = lower_case_of(c);
}

bool same_but_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, lower_case_of, lower_case_of);
}

}  // namespace vesk_mg
