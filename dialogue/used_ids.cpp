#include "dialogue/used_ids.hpp"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "rosters/roster_list.hpp"
#include "rosters/roster_names.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

bool before_but_case(const std::string& a, const std::string& b) {
  return std::ranges::lexicographical_compare(a, b, {}, lower_case_of, lower_case_of);
}

std::string folded(std::string_view name) {
  std::string text(name);
  lower_case(text);
  return text;
}

// The names, folded, that the governing list names; nothing where no list governs.
std::optional<std::unordered_set<std::string>> listed(const roster_folders& folders) {
  if (folders.governing_list.empty()) return std::nullopt;
  std::unordered_set<std::string> names;
  try {
    for (const std::string& name : names_in_list(list_text(folders.governing_list))) names.insert(folded(name));
  } catch (const named_error&) {  // a list that cannot be read names nothing
  }
  return names;
}

}  // namespace

rosters_read read_rosters(const roster_folders& folders) {
  rosters_read read;
  const std::optional<std::unordered_set<std::string>> loaded = listed(folders);
  std::unordered_set<std::string> hidden;  // by a file of an earlier folder
  std::vector<char> block;
  for (const std::string& folder : folders.paths) {
    std::size_t counted = 0;
    std::vector<std::string> keys;
    for (const std::string& name : files_in(folder)) {
      const std::string& key = keys.emplace_back(folded(name));
      if (hidden.contains(key) || !key.ends_with(".csv") || (loaded && !loaded->contains(key))) continue;
      if (std::optional<roster_ids> roster = read_roster(path_in(folder, name), block)) {
        read.rosters.push_back(std::move(*roster));
        ++counted;
      }
    }
    hidden.insert(keys.begin(), keys.end());
    read.counted.push_back(counted);
  }
  return read;
}

used_ids ids_used_in(const rosters_read& read, std::string_view tag) {
  used_ids used;
  const std::string own_name = minister_file_name(tag);
  for (const roster_ids& roster : read.rosters) {
    // This run's roster, or a copy of it, is the one being replaced.
    if (same_but_case(roster.tag, tag) ||
        same_but_case(std::string_view(roster.path).substr(base_name_start(roster.path)), own_name)) {
      continue;
    }
    for (const std::int64_t id : roster.ids) used.ids.emplace_back(id, used.rosters.size());
    used.rosters.push_back(roster.path);
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
