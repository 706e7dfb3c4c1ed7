// Generation requests as the dialogue hands them over, for tests that
// start at generation: the tag abc, the name file names.txt (whose lines
// are checked as the request is built), the ruling alignment with one
// minister of every position, and last_id from the counts.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "vocabulary/generation_request.hpp"

namespace vesk_mg::test_support {

using job_counts = std::array<std::int32_t, position_count>;

class request_builder {
 public:
  request_builder(alignment ruling, std::int32_t first_id);
  // Chooses the alignment (the ruling one included) with these counts.
  request_builder& counts(alignment a, const job_counts& counts);
  request_builder& tag(std::string_view three_characters);
  // Names from a UTF-8 name file, written in `code_page`.
  request_builder& names_in_utf8(unsigned code_page);
  // The request, with last_id = first ID + total - 1.
  [[nodiscard]] generation_request build() const;

 private:
  generation_request request_;
};

}  // namespace vesk_mg::test_support
