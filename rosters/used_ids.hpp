// The minister IDs that the other rosters the game loads use. The game
// keys every minister by its ID across all countries, so a run must not
// give out one that another roster holds. It loads the rosters of every
// rosters' folder, a mod's before its own, and a file in an earlier
// folder hides one of the same name, letter case ignored, in a later one,
// as the roster this run writes hides its namesakes. Where a list of
// rosters governs, only the rosters it names are loaded. A roster is a
// regular file whose name ends in ".csv" and whose first line has "Ruling
// Cabinet - Start" as its second field, case ignored; one whose first
// field is this run's tag is the roster being replaced, or a copy of it,
// and is passed over. Its IDs are the first fields of its other lines that
// are whole numbers. A file that cannot be read, or is not a roster, is
// passed over without a word; a folder that cannot be listed, or a list
// that cannot be read, raises file_use_error with the line that tells the
// user, as finding the folders does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rosters/roster_folders.hpp"
#include "rosters/roster_ids.hpp"

namespace vesk_mg {

// How many rosters count in one folder, named as the user would find it.
struct folder_count {
  std::string folder;
  std::size_t rosters = 0;
};

// A file ending in ".csv" in a rosters' folder that does not count, and why.
struct file_passed_over {
  enum class reason {
    hidden,        // by a file of the same name in an earlier folder
    unlisted,      // the list that governs does not name it: the game never loads it
    not_a_roster,  // it cannot be read, or its first line is no roster's
  };
  std::string path;
  reason why;
  std::string words;  // the reason told: "it is UTF-16 text, ..." or the hiding file's path
  bool first_folder;  // in the folder the roster goes to
  bool roster;        // it is one, by its header
};

// The rosters the game loads from the folders, read once before the first
// question, how many of them each folder gives, and what it passes over.
struct rosters_read {
  std::vector<roster_ids> rosters;
  std::vector<folder_count> counted;  // one for each folder, in order
  std::vector<file_passed_over> passed_over;
  std::string governing_list;                 // "" where none governs
  std::vector<std::string> listed_not_found;  // names the list holds that no folder holds, as written
};

// A folder in the game's layout counts every ".csv" whose first field holds
// a tag, as the game's loader does; any other counts a file whose header
// has "Ruling Cabinet - Start" second.
rosters_read read_rosters(const roster_folders& found);

// Where each ID is used: a range of IDs of one roster.
struct id_use {
  id_range ids;
  std::size_t roster;  // its index in `rosters`
};

struct used_ids {
  std::vector<std::string> rosters;
  std::vector<id_use> uses;     // by first ID
  std::vector<id_range> taken;  // every ID used, by first ID, none overlapping
};

// The IDs the rosters use that this run's roster, of `tag`, does not replace.
used_ids ids_used_in(const rosters_read& read, std::string_view tag);

// What the IDs from `first` to `last` meet: how many ministers, in which
// rosters (in name order, case ignored), and the smallest first ID at or
// above `first` whose whole range is free and ends at or below 2147483647.
struct id_clash {
  std::int64_t ministers = 0;
  std::vector<std::string> rosters;
  std::optional<std::int64_t> next_free;
};

std::optional<id_clash> clash_of(const used_ids& used, std::int64_t first, std::int64_t last);

}  // namespace vesk_mg
