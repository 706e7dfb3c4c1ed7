#include "rosters/roster_names.hpp"

namespace vesk_mg {

std::string minister_file_name(std::string_view tag, int fallback_number) {
  std::string name = fallback_number == 0 ? "" : std::to_string(fallback_number);
  return name.append("ministers_").append(tag).append(".csv");
}

}  // namespace vesk_mg
