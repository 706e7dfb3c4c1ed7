#include "generation/minister_file_name.hpp"

namespace vesk_mg {

std::string minister_file_name(const std::array<char, 3>& tag, int fallback_number) {
  std::string name = fallback_number == 0 ? "" : std::to_string(fallback_number);
  name += "ministers_";
  name.append(tag.data(), tag.size());
  name += ".csv";
  return name;
}

}  // namespace vesk_mg
