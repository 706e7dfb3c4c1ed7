// A roster as the game reads it: the tag in the first field of its header,
// and the ID in the first field of every other line. Lines end at CR LF, LF
// or a lone CR. An ID is read whole, as the game's reader takes it: blanks
// or tabs around it, one sign, any number of leading zeros; a field that
// holds anything else, or a value outside 32 bits, is no ID, and a row
// whose first field holds anything but blanks is one the game takes for a
// minister. The file is read in big blocks and only the first field of a
// line is looked at, so a huge roster, or one line without end, is read
// through at the disk's pace. A header is short: a first line that does
// not end within 256 bytes is no roster's, and is read no further. A file
// that cannot be read, is UTF-16 or is not a roster gives the reason;
// nothing here fails but for want of memory. IDs are kept as ranges,
// consecutive ones merged, so that a huge roster of one ID again and again
// takes no more room than one of a few.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vesk_mg {

// How a file shows itself a roster: by its header's second field, "Ruling
// Cabinet - Start" (case ignored), or, in a game's or a mod's rosters'
// folder, as the game's loader takes it, by a first field that holds a
// country's tag, three letters or digits, whatever the rest of the header.
enum class header_rule { ruling_cabinet, tag };

// Each ID from `first` to `last`, used by `times` rows.
struct id_range {
  std::int64_t first;
  std::int64_t last;
  std::int64_t times = 1;

  friend bool operator==(const id_range&, const id_range&) = default;
};

// A row the game takes for a minister, whose first field is no ID.
struct row_without_id {
  std::int64_t line;  // from 1 at the header
  std::string field;  // its first 32 bytes
};

inline constexpr std::size_t rows_without_id_kept = 10;

struct roster_ids {
  std::string path;  // named from where the program was started
  header_rule read_by = header_rule::ruling_cabinet;
  std::string tag;                         // the first field of its header
  std::vector<id_range> ids;               // in ID order, none overlapping another
  std::int64_t ministers{};                // rows whose first field is an ID
  std::vector<row_without_id> without_id;  // the first of them
  std::int64_t more_without_id{};          // and how many more
};

// A file read as a roster, or why it is none: "it is UTF-16 text, which
// the game does not read", and the like.
struct roster_reading {
  std::optional<roster_ids> roster;
  std::string why_not;
};

// `block` is room to read into, kept from one roster to the next.
roster_reading read_roster(const std::string& path, std::vector<char>& block, header_rule rule);

// The lines of the roster at `path`, a roster by `rule`, on which the IDs
// of `wanted` are used: the first two of each ID.
std::map<std::int64_t, std::vector<std::int64_t>> lines_using(const std::string& path, std::vector<char>& block,
                                                              header_rule rule, const std::vector<id_range>& wanted);

// Ranges in any order, overlapping or not, as disjoint ranges in ID order,
// the times of each ID added up and neighbours used as often merged.
std::vector<id_range> normalized(const std::vector<id_range>& ranges);

}  // namespace vesk_mg
