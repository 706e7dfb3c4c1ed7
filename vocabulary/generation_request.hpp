// The record of every choice the user makes in the dialogue, handed to
// generation as it stands: generation reads it and never changes it. The
// dialogue guarantees what generation relies on: a lower-case tag, a
// ruling alignment whose ten counts are each at least 1, no count below
// zero, and a last ID, the first ID and the total less one, within 32 bits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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
  std::array<char, 3> tag{};                           // lower case
  std::int32_t next_id{};                              // the first ID, as entered
  std::array<alignment_jobs, alignment_count> jobs{};  // indexed by alignment
  std::optional<alignment> ruling;                     // the first alignment entered

  alignment_jobs& jobs_of(alignment a) { return jobs[static_cast<std::size_t>(a)]; }
  [[nodiscard]] const alignment_jobs& jobs_of(alignment a) const { return jobs[static_cast<std::size_t>(a)]; }
};

inline std::string_view text_of(const std::array<char, 3>& field) { return {field.data(), field.size()}; }

}  // namespace vesk_mg
