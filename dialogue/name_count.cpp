#include "dialogue/name_count.hpp"

#include "platform/text_file.hpp"
#include "platform/text_input.hpp"

namespace vesk_mg {

std::int64_t count_names(std::string_view file_name) {
  input_file file(file_name);
  text_input names(file, file.name());
  std::int64_t count = 0;
  while (!names.at_end_of_file()) {
    names.skip_line();
    ++count;
  }
  return count;
}

}  // namespace vesk_mg
