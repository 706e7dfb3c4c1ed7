#include "rosters/roster_names.hpp"

#include <algorithm>

#include "platform/paths.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

std::string minister_file_name(std::string_view tag, int fallback_number) {
  std::string name = fallback_number == 0 ? "" : std::to_string(fallback_number);
  return name.append("ministers_").append(tag).append(".csv");
}

std::optional<std::string> name_among(std::vector<std::string> names, std::string_view name) {
  std::ranges::sort(names);
  if (std::ranges::binary_search(names, name)) return std::string(name);
  const auto found = std::ranges::find_if(names, [&](const std::string& n) { return same_but_case(n, name); });
  return found == names.end() ? std::nullopt : std::optional<std::string>(*found);
}

bool names_the_roster_of(std::string_view file_name, std::string_view tag) {
  return same_but_case(file_name, minister_file_name(tag));
}

std::string roster_name_in(const std::string& folder, std::string_view tag) {
  std::string name = minister_file_name(tag);
  if (file_exists(path_in(folder, name))) return name;
  folder_names names;
  if (list_folder(folder, names) != 0) return name;
  return name_among(std::move(names.files), name).value_or(name);
}

}  // namespace vesk_mg
