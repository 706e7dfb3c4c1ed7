// An inclusive range of percentile draws and what it selects.
#pragma once

#include <cstdint>

namespace vesk_mg {

struct draw_band {
  std::int16_t low;
  std::int16_t high;
  [[nodiscard]] constexpr bool holds(std::int32_t draw) const { return low <= draw && draw <= high; }
};

}  // namespace vesk_mg
