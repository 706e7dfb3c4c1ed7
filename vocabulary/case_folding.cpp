#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

void upper_case(std::span<char> text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
}

void lower_case(std::span<char> text) {
  for (char& c : text) c = lower_case_of(c);
}

}  // namespace vesk_mg
