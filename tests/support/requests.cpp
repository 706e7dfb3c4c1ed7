#include "tests/support/requests.hpp"

#include "names/name_file.hpp"
#include "platform/errors.hpp"

namespace vesk_mg::test_support {

request_builder::request_builder(alignment ruling, std::int32_t first_id) {
  request_.name_file_name = "names.txt";
  request_.tag = {'a', 'b', 'c'};
  request_.next_id = first_id;
  request_.ruling = ruling;
  counts(ruling, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
}

request_builder& request_builder::counts(alignment a, const job_counts& counts) {
  request_.jobs_of(a) = {true, true, counts};
  return *this;
}

request_builder& request_builder::tag(std::string_view three_characters) {
  three_characters.copy(request_.tag.data(), request_.tag.size());
  return *this;
}

request_builder& request_builder::names_in_utf8(unsigned code_page) {
  request_.names_in_utf8 = true;
  request_.game_code_page = code_page;
  return *this;
}

generation_request request_builder::build() const {
  generation_request request = request_;
  std::int64_t total = 0;
  for (const alignment_jobs& jobs : request.jobs) {
    for (const std::int32_t count : jobs.counts) total += count;
  }
  request.last_id = static_cast<std::int32_t>(request.next_id + total - 1);
  try {  // the names as the dialogue checked them, where there are enough
    code_page_converter converter(request.game_code_page);
    request.names_digest = check_names(request.name_file_name, total, converter).digest;
  } catch (const named_error&) {
  }
  return request;
}

}  // namespace vesk_mg::test_support
