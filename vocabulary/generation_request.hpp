// The record of every choice the dialogue makes, handed to generation as
// it stands: generation reads it and never changes it. The dialogue
// guarantees what generation relies on: a lower-case tag, a ruling
// alignment whose ten counts are each at least 1, no count below zero,
// a name file that held enough names, each one the game can read, when it
// was checked (whose digest it holds), and last_id = next_id + total - 1
// within 32 bits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vocabulary/alignment.hpp"
#include "vocabulary/position.hpp"

namespace vesk_mg {

struct alignment_jobs {
  bool active = false;                                // chosen in the dialogue
  bool entered = false;                               // its ten counts have been entered
  std::array<std::int32_t, position_count> counts{};  // in position order
};

struct generation_request {
  std::string folder;              // where the roster goes, as typed; "" for the working folder
  std::string roster_list;         // the list of the rosters the game loads that the folder has or would have, or ""
  std::string governing_list;      // the list that names them now, "" where the game keeps none
  std::string name_file_name;      // the name file, as found from what the user typed
  std::uint64_t names_digest = 0;  // the digest of the lines the dialogue checked
  bool names_in_utf8 = false;      // its names are UTF-8, to be written in the game's code page
  unsigned game_code_page = 1252;  // the code page the game reads the roster in
  std::array<char, 3> tag{};       // lower case
  std::int32_t next_id = 0;        // the first ID, as entered
  std::int32_t last_id = 0;        // the ID of the last minister
  std::array<alignment_jobs, alignment_count> jobs{};  // indexed by alignment
  std::optional<alignment> ruling;                     // the first alignment entered

  alignment_jobs& jobs_of(alignment a) { return jobs[static_cast<std::size_t>(a)]; }
  [[nodiscard]] const alignment_jobs& jobs_of(alignment a) const { return jobs[static_cast<std::size_t>(a)]; }
};

inline std::string_view text_of(const std::array<char, 3>& field) { return {field.data(), field.size()}; }

}  // namespace vesk_mg
