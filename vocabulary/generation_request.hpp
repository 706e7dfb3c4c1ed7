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

// A digest of the name lines a run uses (64-bit FNV-1a over each line and
// a separator), so that generation can tell a name file changed since the
// dialogue checked it while holding nothing but this.
struct name_digest {
  std::uint64_t value = 0xCBF29CE484222325;

  void add(std::string_view line) {
    constexpr std::uint64_t prime = 0x100000001B3;
    for (const char c : line) value = (value ^ static_cast<unsigned char>(c)) * prime;
    value = (value ^ '\n') * prime;  // no line holds a line feed
  }
  bool operator==(const name_digest&) const = default;
};

struct generation_request {
  std::string folder;                                  // where the roster goes, as typed; "" for the working folder
  std::string name_file_name;                          // the name file, as found from what the user typed
  name_digest names_checked;                           // of the lines the dialogue checked
  bool names_in_utf8 = false;                          // its names are UTF-8, to be written in the game's code page
  unsigned game_code_page = 1252;                      // the code page the game reads the roster in
  std::array<char, 3> tag{};                           // lower case
  std::int32_t next_id = 0;                            // the first ID, as entered
  std::int32_t last_id = 0;                            // the ID of the last minister
  std::array<alignment_jobs, alignment_count> jobs{};  // indexed by alignment
  std::optional<alignment> ruling;                     // the first alignment entered

  alignment_jobs& jobs_of(alignment a) { return jobs[static_cast<std::size_t>(a)]; }
  [[nodiscard]] const alignment_jobs& jobs_of(alignment a) const { return jobs[static_cast<std::size_t>(a)]; }
};

inline std::string_view text_of(const std::array<char, 3>& field) { return {field.data(), field.size()}; }

}  // namespace vesk_mg
