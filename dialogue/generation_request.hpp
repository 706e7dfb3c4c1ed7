// The record of every choice the dialogue makes, handed to the generation
// driver, which changes it as it works (tag upper-cased, next_id advanced,
// counts counted down, active flags cleared).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogue/alignment.hpp"
#include "dialogue/position.hpp"

namespace vesk_mg {

struct alignment_jobs {
  bool active = false;                                // chosen; cleared once it has no minister left to write
  bool entered = false;                               // its ten counts have been entered
  std::array<std::int32_t, position_count> counts{};  // in position order
};

struct generation_request {
  std::string name_file_name;  // the whole line typed
  std::array<char, 3> tag{};
  // 64 bits wide so that stepping past the last ID never overflows; the
  // dialogue keeps every ID it hands out within 32 bits.
  std::int64_t next_id = 0;
  std::int32_t last_id = 0;
  std::array<alignment_jobs, alignment_count> jobs{};  // indexed by alignment
  std::array<char, 3> ruling{' ', ' ', ' '};

  alignment_jobs& jobs_of(alignment a) { return jobs[static_cast<std::size_t>(a)]; }
  [[nodiscard]] const alignment_jobs& jobs_of(alignment a) const { return jobs[static_cast<std::size_t>(a)]; }
};

inline std::string_view text_of(const std::array<char, 3>& field) { return {field.data(), field.size()}; }

}  // namespace vesk_mg
