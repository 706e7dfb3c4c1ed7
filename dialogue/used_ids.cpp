#include "dialogue/used_ids.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

bool before_but_case(const std::string& a, const std::string& b) {
  return std::ranges::lexicographical_compare(a, b, {}, lower_case_of, lower_case_of);
}

std::string_view field(std::string_view line, std::size_t index) {
  for (; index > 0 && line.find(';') != std::string_view::npos; --index) line.remove_prefix(line.find(';') + 1);
  return index > 0 ? "" : line.substr(0, line.find(';'));
}

// The start of the next line, as much as the fields looked at need; the
// rest of the line is passed over.
std::string start_of_line(text_input& lines, std::size_t room) {
  std::string start = lines.read_line(room);
  if (start.size() == room && !lines.at_end_of_file()) lines.skip_line();
  return start;
}

// An ID as the game's readers take one: a whole number, with blanks or
// tabs around it and a sign in front allowed.
std::optional<std::int64_t> id_of(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  field = field.substr(first, field.find_last_not_of(" \t") + 1 - first);
  if (field.starts_with('+') && field.size() > 1 && field[1] != '-') field.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

// The IDs of one roster, or nothing for a file that is not a roster of
// another country or cannot be read. Lines end as the game ends them, a
// lone CR included. A header is short: a first line that does not end
// within the room for one is no roster's, and is read no further.
std::optional<std::vector<std::int64_t>> ids_of_roster(const std::string& name, std::string_view tag) {
  constexpr std::size_t header_room = 256;
  try {
    file_handle handle = open_for_reading(name);
    decoded_text text(handle, name, decoded_text::start::name_file);
    text_input lines(text, name, text_input::lone_cr_ends_a_line);
    if (lines.at_end_of_file()) return std::nullopt;
    const std::string header = lines.read_line(header_room);
    if (header.size() == header_room || !same_but_case(field(header, 1), "Ruling Cabinet - Start") ||
        same_but_case(field(header, 0), tag)) {
      return std::nullopt;
    }
    std::vector<std::int64_t> ids;
    while (!lines.at_end_of_file()) {
      if (const std::optional<std::int64_t> id = id_of(field(start_of_line(lines, 32), 0))) ids.push_back(*id);
    }
    return ids;
  } catch (const named_error&) {
    return std::nullopt;
  }
}

}  // namespace

used_ids ids_used_in(std::span<const std::string> folders, std::string_view tag) {
  used_ids used;
  std::vector<std::string> hidden{"ministers_" + std::string(tag) + ".csv"};  // by the roster this run writes
  for (const std::string& folder : folders) {
    const std::vector<std::string> names = files_in(folder);
    for (const std::string& name : names) {
      if (name.size() < 4 || !same_but_case(std::string_view(name).substr(name.size() - 4), ".csv")) continue;
      if (std::ranges::any_of(hidden, [&](const std::string& earlier) { return same_but_case(earlier, name); })) {
        continue;
      }
      const std::string path = path_in(folder, name);
      const std::optional<std::vector<std::int64_t>> ids = ids_of_roster(path, tag);
      if (!ids) continue;
      for (const std::int64_t id : *ids) used.ids.emplace_back(id, used.rosters.size());
      used.rosters.push_back(path);
    }
    hidden.insert(hidden.end(), names.begin(), names.end());
  }
  std::ranges::sort(used.ids);
  return used;
}

std::optional<id_clash> clash_of(const used_ids& used, std::int64_t first, std::int64_t last) {
  const auto id = &std::pair<std::int64_t, std::size_t>::first;
  const auto begin = std::ranges::lower_bound(used.ids, first, {}, id);
  const auto end = std::ranges::upper_bound(used.ids, last, {}, id);
  if (begin == end) return std::nullopt;
  id_clash clash;
  clash.ministers = end - begin;
  std::vector<std::size_t> rosters;
  for (auto at = begin; at != end; ++at) rosters.push_back(at->second);
  std::ranges::sort(rosters);
  rosters.erase(std::unique(rosters.begin(), rosters.end()), rosters.end());
  for (const std::size_t roster : rosters) clash.rosters.push_back(used.rosters[roster]);
  std::ranges::sort(clash.rosters, before_but_case);
  // Past each used ID that stands in the way, until a whole range is free.
  const std::int64_t count = last - first + 1;
  for (std::int64_t start = first; start + count - 1 <= std::numeric_limits<std::int32_t>::max();) {
    const auto next = std::ranges::lower_bound(used.ids, start, {}, id);
    if (next == used.ids.end() || next->first > start + count - 1) {
      clash.next_free = start;
      break;
    }
    start = next->first + 1;
  }
  return clash;
}

}  // namespace vesk_mg
