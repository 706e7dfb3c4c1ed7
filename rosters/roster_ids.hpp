// A roster as the game reads it: the tag in the first field of its header,
// whose second field is "Ruling Cabinet - Start" (case ignored), and the
// ID in the first field of every other line. Lines end at CR LF, LF or a
// lone CR. An ID is read whole, as the game's reader takes it: blanks or
// tabs around it, one sign, any number of leading zeros; a field that holds
// anything else, or a value outside 32 bits, is no ID. The file is read in
// big blocks and only the first field of a line is looked at, so a huge
// roster, or one line without end, is read through at the disk's pace. A
// header is short: a first line that does not end within 256 bytes is no
// roster's, and is read no further. A file that cannot be read, is UTF-16
// or is not a roster gives nothing; nothing here fails but for want of
// memory. IDs are kept as ranges, consecutive ones merged, so that a huge
// roster of one ID again and again takes no more room than one of a few.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk_mg {

// Each ID from `first` to `last`, used by `times` rows.
struct id_range {
  std::int64_t first;
  std::int64_t last;
  std::int64_t times = 1;

  friend bool operator==(const id_range&, const id_range&) = default;
};

struct roster_ids {
  std::string path;           // named from where the program was started
  std::string tag;            // the first field of its header
  std::vector<id_range> ids;  // in ID order, none overlapping another
};

// Ranges in any order, overlapping or not, as disjoint ranges in ID order,
// the times of each ID added up and neighbours used as often merged.
std::vector<id_range> normalized(const std::vector<id_range>& ranges);

// `block` is room to read into, kept from one roster to the next.
std::optional<roster_ids> read_roster(const std::string& path, std::vector<char>& block);

}  // namespace vesk_mg
