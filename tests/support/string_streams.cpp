#include "tests/support/string_streams.hpp"

#include <algorithm>

namespace vesk_mg::test_support {

std::size_t string_source::read_some(char* buffer, std::size_t capacity) {
  const std::size_t count = std::min(capacity, text_.size() - position_);
  std::copy_n(text_.data() + position_, count, buffer);
  position_ += count;
  return count;
}

}  // namespace vesk_mg::test_support
