// Generation requests as the dialogue hands them over, for tests that
// start at generation: the tag abc, the name file names.txt (whose lines
// are checked as the request is built), the ruling alignment with one
// minister of every position, written in the working folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "names/name_file.hpp"
#include "platform/console.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg::test_support {

using job_counts = std::array<std::int32_t, position_count>;

struct built_request {
  generation_request request;
  names_as_checked names;
  std::string folder;  // where the roster goes, as typed; "" for the working folder
};

class request_builder {
 public:
  request_builder(alignment ruling, std::int32_t first_id);
  // Chooses the alignment (the ruling one included) with these counts.
  request_builder& counts(alignment a, const job_counts& counts);
  request_builder& tag(std::string_view three_characters);
  // Names from a UTF-8 name file, written in `code_page`.
  request_builder& names_in_utf8(unsigned code_page);
  request_builder& folder(std::string_view typed);
  // The request, with the names as the dialogue checks them now.
  [[nodiscard]] built_request build() const;

 private:
  built_request built_;
};

// Generation as the program runs it: the roster in the request's folder,
// held, with no list of rosters.
void generate(const built_request& built, program_io& io);

}  // namespace vesk_mg::test_support
