#include "rosters/used_ids.hpp"

#include <algorithm>
#include <limits>
#include <unordered_map>

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

}  // namespace

rosters_read read_rosters(const roster_folders& found) {
  rosters_read read;
  read.governing_list = governing_list(found);
  const std::optional<roster_list> loaded =
      read.governing_list.empty() ? std::nullopt : std::optional(read_roster_list(read.governing_list));
  std::unordered_map<std::string, std::string> seen;  // each file name, folded, and the first file of that name
  std::vector<char> block;
  for (const rosters_folder& folder : found.folders) {
    const bool first = &folder == &found.folders.front();
    folder_count& counted = read.counted.emplace_back(folder_count{folder.path});
    folder_names names;
    if (folder.missing) continue;
    if (const system_code code = list_folder(folder.path, names)) {
      throw unreadable_folder(folder.path, code);
    }
    std::ranges::sort(names.files);
    std::vector<std::pair<std::string, std::string>> here;
    for (const std::string& name : names.files) {
      const std::string key = folded(name);
      const std::string path = path_in(folder.path, name);
      here.emplace_back(key, path);
      if (!key.ends_with(".csv")) continue;
      if (const auto hiding = seen.find(key); hiding != seen.end()) {
        read.passed_over.push_back({path, file_passed_over::reason::hidden, hiding->second, first, false});
        continue;
      }
      const bool listed = !loaded || loaded->names_file(key);
      // An unlisted file elsewhere than where the roster goes is the list's to leave out, unread.
      if (!listed && !first) {
        read.passed_over.push_back({path, file_passed_over::reason::unlisted, read.governing_list, first, false});
        continue;
      }
      roster_reading reading =
          read_roster(path, block, folder.in_layout ? header_rule::tag : header_rule::ruling_cabinet);
      if (!reading.roster) {
        read.passed_over.push_back({path, file_passed_over::reason::not_a_roster, reading.why_not, first, false});
      } else if (!listed) {
        read.passed_over.push_back({path, file_passed_over::reason::unlisted, read.governing_list, first, true});
      } else {
        read.rosters.push_back(std::move(*reading.roster));
        ++counted.rosters;
      }
    }
    seen.insert(here.begin(), here.end());
  }
  if (loaded) {
    for (const auto& [key, name] : loaded->names) {
      if (!seen.contains(key)) read.listed_not_found.push_back(name);
    }
    std::ranges::sort(read.listed_not_found);
  }
  return read;
}

used_ids ids_used_in(const rosters_read& read, std::string_view tag) {
  used_ids used;
  for (const roster_ids& roster : read.rosters) {
    // This run's roster, or a copy of it, is the one being replaced.
    if (same_but_case(roster.tag, tag) ||
        names_the_roster_of(std::string_view(roster.path).substr(base_name_start(roster.path)), tag)) {
      continue;
    }
    for (const id_range& ids : roster.ids) used.uses.push_back({ids, used.rosters.size()});
    used.rosters.push_back(roster.path);
  }
  std::ranges::sort(used.uses, {}, [](const id_use& use) { return use.ids.first; });
  std::vector<id_range> every;
  for (const id_use& use : used.uses) every.push_back({use.ids.first, use.ids.last, 1});
  for (const id_range& ids : normalized(every)) {
    if (!used.taken.empty() && used.taken.back().last + 1 == ids.first) {
      used.taken.back().last = ids.last;
    } else {
      used.taken.push_back({ids.first, ids.last, 1});
    }
  }
  return used;
}

std::optional<id_clash> clash_of(const used_ids& used, std::int64_t first, std::int64_t last) {
  id_clash clash;
  std::vector<std::size_t> rosters;
  for (const id_use& use : used.uses) {
    if (use.ids.first > last) break;
    if (use.ids.last < first) continue;
    clash.ministers += (std::min(last, use.ids.last) - std::max(first, use.ids.first) + 1) * use.ids.times;
    rosters.push_back(use.roster);
  }
  if (rosters.empty()) return std::nullopt;
  std::ranges::sort(rosters);
  rosters.erase(std::unique(rosters.begin(), rosters.end()), rosters.end());
  for (const std::size_t roster : rosters) clash.rosters.push_back(used.rosters[roster]);
  std::ranges::sort(clash.rosters, before_but_case);
  // Past each used range that stands in the way, until a whole range is free.
  const std::int64_t count = last - first + 1;
  for (std::int64_t start = first; start + count - 1 <= std::numeric_limits<std::int32_t>::max();) {
    const auto next = std::ranges::lower_bound(used.taken, start, {}, &id_range::last);
    if (next == used.taken.end() || next->first > start + count - 1) {
      clash.next_free = start;
      break;
    }
    start = next->last + 1;
  }
  return clash;
}

}  // namespace vesk_mg
