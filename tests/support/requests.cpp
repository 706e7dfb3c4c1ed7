#include "tests/support/requests.hpp"

#include "generation/generation_driver.hpp"
#include "platform/errors.hpp"

namespace vesk_mg::test_support {

request_builder::request_builder(alignment ruling, std::int32_t first_id) {
  built_.names = {"names.txt", no_names_digest, false, 1252};
  built_.request.tag = {'a', 'b', 'c'};
  built_.request.next_id = first_id;
  built_.request.ruling = ruling;
  counts(ruling, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
}

request_builder& request_builder::counts(alignment a, const job_counts& counts) {
  built_.request.jobs_of(a) = {true, true, counts};
  return *this;
}

request_builder& request_builder::tag(std::string_view three_characters) {
  three_characters.copy(built_.request.tag.data(), built_.request.tag.size());
  return *this;
}

request_builder& request_builder::names_in_utf8(unsigned code_page) {
  built_.names.utf8 = true;
  built_.names.code_page = code_page;
  return *this;
}

request_builder& request_builder::folder(std::string_view typed) {
  built_.folder = typed;
  return *this;
}

built_request request_builder::build() const {
  built_request built = built_;
  std::int64_t total = 0;
  for (const alignment_jobs& jobs : built.request.jobs) {
    for (const std::int32_t count : jobs.counts) total += count;
  }
  try {  // the names as the dialogue checked them, where there are enough
    code_page_converter converter(built.names.code_page);
    built.names.digest = check_names(built.names.file, total, converter).digest;
  } catch (const named_error&) {
  }
  return built;
}

void generate(const built_request& built, program_io& io) {
  roster_folders found;
  found.folders = {{built.folder, false}};
  write_roster(built.request, built.names, io, hold_folder(built.folder), found);
}

}  // namespace vesk_mg::test_support
