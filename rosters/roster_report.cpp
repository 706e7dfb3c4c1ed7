#include "rosters/roster_report.hpp"

#include <algorithm>
#include <tuple>

#include "platform/paths.hpp"
#include "vocabulary/case_folding.hpp"

namespace vesk_mg {

namespace {

bool before_but_case(const std::string& a, const std::string& b) {
  return std::ranges::lexicographical_compare(a, b, {}, lower_case_of, lower_case_of);
}

// "1 roster", "3 rosters".
std::string counted(std::int64_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// "ID 7" or "IDs 601 to 610".
std::string ids_named(std::int64_t first, std::int64_t last) {
  return first == last ? "ID " + std::to_string(first) : "IDs " + std::to_string(first) + " to " + std::to_string(last);
}

// A finding about an ID, kept in the order the user reads them: by ID, then by roster.
struct id_finding {
  std::int64_t id;
  std::string roster;
  std::string line;
};

// Runs of consecutive IDs that the same two or more rosters use.
void add_shared_runs(const rosters_read& read, std::vector<id_finding>& found) {
  // Where the rosters using an ID change: a roster comes in at a range's first ID and goes past its last.
  std::vector<std::tuple<std::int64_t, bool, std::size_t>> edges;
  for (std::size_t r = 0; r < read.rosters.size(); ++r) {
    for (const id_range& range : read.rosters[r].ids) {
      edges.emplace_back(range.first, true, r);
      edges.emplace_back(range.last + 1, false, r);
    }
  }
  std::ranges::sort(edges);
  std::vector<std::size_t> using_now;
  struct shared_run {
    std::int64_t first;
    std::int64_t last;
    std::vector<std::size_t> rosters;
  };
  std::vector<shared_run> runs;
  for (std::size_t i = 0; i < edges.size();) {
    const std::int64_t at = std::get<0>(edges[i]);
    for (; i < edges.size() && std::get<0>(edges[i]) == at; ++i) {
      const std::size_t roster = std::get<2>(edges[i]);
      if (std::get<1>(edges[i])) {
        using_now.insert(std::ranges::upper_bound(using_now, roster), roster);
      } else {
        using_now.erase(std::ranges::find(using_now, roster));
      }
    }
    if (using_now.size() < 2 || i == edges.size()) continue;
    const std::int64_t last = std::get<0>(edges[i]) - 1;
    if (!runs.empty() && runs.back().last + 1 == at && runs.back().rosters == using_now) {
      runs.back().last = last;
    } else {
      runs.push_back({at, last, using_now});
    }
  }
  for (const shared_run& run : runs) {
    std::vector<std::string> names;
    for (const std::size_t roster : run.rosters) names.push_back(read.rosters[roster].path);
    std::ranges::sort(names, before_but_case);
    found.push_back({run.first, names.front(),
                     ids_named(run.first, run.last) + (run.first == run.last ? " is" : " are") + " used in " +
                         rosters_named(names, names.size()) + "."});
  }
}

// IDs that one roster uses more than once, with the first two lines of each.
void add_repeats(const rosters_read& read, std::vector<id_finding>& found) {
  std::vector<char> block;
  for (const roster_ids& roster : read.rosters) {
    std::vector<id_range> repeated;
    std::ranges::copy_if(roster.ids, std::back_inserter(repeated), [](const id_range& ids) { return ids.times > 1; });
    if (repeated.empty()) continue;
    const auto lines = lines_using(roster.path, block, roster.read_by, repeated);
    for (const id_range& ids : repeated) {
      for (auto at = lines.lower_bound(ids.first); at != lines.end() && at->first <= ids.last; ++at) {
        const std::vector<std::int64_t>& used = at->second;
        if (used.size() < 2) continue;  // the roster changed since it was read
        found.push_back({at->first, roster.path,
                         "ID " + std::to_string(at->first) + " is used " +
                             (ids.times == 2 ? "twice" : std::to_string(ids.times) + " times") + " in " +
                             shown(roster.path) + (ids.times == 2 ? ", on lines " : ", first on lines ") +
                             std::to_string(used[0]) + " and " + std::to_string(used[1]) + "."});
      }
    }
  }
}

}  // namespace

std::string rosters_named(const std::vector<std::string>& names, std::size_t most) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < most; ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += shown(names[i]);
  }
  if (names.size() == most + 1) text += " and 1 more file";
  if (names.size() > most + 1) text += " and " + std::to_string(names.size() - most) + " more files";
  return text;
}

std::vector<std::string> counted_lines(const rosters_read& read) {
  std::vector<std::string> lines;
  for (const folder_count& folder : read.counted) {
    const std::string named = folder.folder.empty() ? full_path_of_folder("") : folder.folder;
    lines.push_back("Counting the IDs of " + counted(static_cast<std::int64_t>(folder.rosters), "roster", "rosters") +
                    " in " + shown(named) + ".");
  }
  return lines;
}

std::int64_t ids_used_more_than_once(const rosters_read& read) {
  std::vector<id_range> every;
  for (const roster_ids& roster : read.rosters) every.insert(every.end(), roster.ids.begin(), roster.ids.end());
  std::int64_t ids = 0;
  for (const id_range& range : normalized(every)) {
    if (range.times > 1) ids += range.last - range.first + 1;
  }
  return ids;
}

std::string used_more_than_once_line(const rosters_read& read, std::span<const std::string> typed) {
  const std::int64_t ids = ids_used_more_than_once(read);
  if (ids == 0) return "";
  std::string command = "vesk_mg --check";
  for (const std::string& folder : typed) {
    const bool quoted = folder.empty() || folder.find_first_of(" \t'\"&;|<>()$") != std::string::npos;
    command += quoted ? " \"" + folder + "\"" : " " + folder;
  }
  return counted(ids, "ID is", "IDs are") + " used more than once already: " + shown(command) + " lists them.";
}

check_report check_of(const rosters_read& read) {
  check_report report;
  std::vector<id_finding> about_ids;
  add_shared_runs(read, about_ids);
  add_repeats(read, about_ids);
  std::ranges::stable_sort(about_ids, [](const id_finding& a, const id_finding& b) {
    return a.id != b.id ? a.id < b.id : before_but_case(a.roster, b.roster);
  });
  for (id_finding& finding : about_ids) report.lines.push_back(std::move(finding.line));
  for (const roster_ids& roster : read.rosters) {
    for (const row_without_id& row : roster.without_id) {
      report.lines.push_back("Line " + std::to_string(row.line) + " of " + shown(roster.path) + " holds no ID: \"" +
                             shown(row.field) + "\".");
    }
    if (roster.more_without_id > 0) {
      report.lines.push_back(counted(roster.more_without_id, "more line", "more lines") + " of " + shown(roster.path) +
                             (roster.more_without_id == 1 ? " holds" : " hold") + " no ID.");
    }
  }
  using reason = file_passed_over::reason;
  for (const file_passed_over& file : read.passed_over) {
    if (file.why == reason::unlisted && file.first_folder && file.roster) {
      report.lines.push_back(shown(file.path) + " is left out of the roster list " + shown(file.words) +
                             ": the game will not load it.");
    } else if (file.why == reason::not_a_roster) {
      report.lines.push_back(shown(file.path) + " is not counted: " + shown(file.words) + ".");
    }
  }
  for (const std::string& name : read.listed_not_found) {
    report.lines.push_back("The roster list " + shown(read.governing_list) + " names " + shown(name) +
                           ", which no folder holds.");
  }
  report.findings = report.lines.size();
  // Told, but no findings: what the game passes over as the user means it to.
  for (const file_passed_over& file : read.passed_over) {
    if (file.why == reason::hidden) {
      report.lines.push_back(shown(file.path) + " is not counted: " + shown(file.words) + " hides it.");
    } else if (file.why == reason::unlisted && !(file.first_folder && file.roster)) {
      report.lines.push_back(shown(file.path) + " is not counted: the roster list " + shown(file.words) +
                             " leaves it out.");
    }
  }
  std::int64_t ministers = 0;
  for (const roster_ids& roster : read.rosters) ministers += roster.ministers;
  report.closing =
      "Read " + counted(static_cast<std::int64_t>(read.rosters.size()), "roster", "rosters") + " of " +
      counted(ministers, "minister", "ministers") + ": " +
      (report.findings == 0 ? "no ID is used twice."
                            : counted(static_cast<std::int64_t>(report.findings), "finding", "findings") + ".");
  return report;
}

}  // namespace vesk_mg
