// What the program tells of the rosters it read, as the user reads it: how
// many count in each folder, how many IDs they use more than once, and what
// vesk_mg --check finds in them. The game keys every minister by ID across
// all the rosters it loads and stops loading a scenario where two share
// one, so --check finds, one line each:
// - a run of consecutive IDs that the same rosters share, and an ID one
//   roster uses twice, with its lines, in the order of the IDs and then of
//   the rosters;
// - a row the game takes for a minister whose first field is no ID;
// - where a list governs, a roster where the roster goes that the list
//   leaves out, and a name it holds that no folder does;
// - a file ending in ".csv" that is no roster or cannot be read.
// It also tells, as no finding, of a file hidden by an earlier folder's of
// the same name and of one a list leaves out elsewhere. Rosters are named
// as the user would find them; nothing here fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rosters/used_ids.hpp"

namespace vesk_mg {

// "a.csv", "a.csv and b.csv", "a.csv, b.csv and c.csv", and past the
// `most` named, "a.csv, b.csv, c.csv and 2 more files"; each shown.
std::string rosters_named(const std::vector<std::string>& names, std::size_t most);

// "Counting the IDs of 3 rosters in mods/mymod/db/ministers.", a line a
// folder; the folder the program was started in by its whole path.
std::vector<std::string> counted_lines(const rosters_read& read);

// How many IDs the rosters use more than once, within one or across several.
std::int64_t ids_used_more_than_once(const rosters_read& read);

// "23 IDs are used more than once already: vesk_mg --check mods/mymod lists
// them.", with the folders as typed, in quotes where they hold a blank;
// "" where no ID is.
std::string used_more_than_once_line(const rosters_read& read, std::span<const std::string> typed);

struct check_report {
  std::vector<std::string> lines;  // findings and notes, in order
  std::size_t findings{};
  std::string closing;  // "Read 3 rosters of 120 ministers: 2 findings."
};

check_report check_of(const rosters_read& read);

}  // namespace vesk_mg
