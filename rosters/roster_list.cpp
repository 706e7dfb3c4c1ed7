#include "rosters/roster_list.hpp"

#include <algorithm>
#include <array>

#include "platform/files.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

constexpr std::string_view blanks = " \t";

// The first line end of `list`, or "" where it has none.
std::string_view line_end_of(std::string_view list) {
  const std::size_t end = list.find_first_of("\r\n");
  if (end == std::string_view::npos) return "";
  return list.substr(end, list.substr(end).starts_with("\r\n") ? 2 : 1);
}

}  // namespace

std::string list_text(std::string_view path) {
  file_handle file = open_for_reading(path);
  std::string text;
  std::array<char, 4096> chunk{};
  while (const std::size_t got = file.read_some(chunk.data(), chunk.size())) text.append(chunk.data(), got);
  return text;
}

std::vector<std::string> names_in_list(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find_first_of("\r\n"), list.size());
    std::string_view line = list.substr(0, end);
    list.remove_prefix(end);
    list.remove_prefix(list.starts_with("\r\n") ? 2 : std::min<std::size_t>(list.size(), 1));
    const std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos || line[first] == '#') continue;
    line = line.substr(first, line.find_last_not_of(blanks) + 1 - first);
    names.emplace_back(line);
  }
  return names;
}

bool list_names(std::string_view list, std::string_view file_name) {
  return std::ranges::any_of(names_in_list(list),
                             [&](const std::string& name) { return same_but_case(name, file_name); });
}

std::string list_with(std::string_view list, std::string_view file_name) {
  const std::string_view line_end = line_end_of(list).empty() ? "\r\n" : line_end_of(list);
  std::string text(list);
  if (!text.empty() && !text.ends_with('\n') && !text.ends_with('\r')) text.append(line_end);
  return text.append(file_name).append(line_end);
}

}  // namespace vesk_mg
