#include "dialogue/name_count.hpp"

#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"

namespace vesk_mg {

std::int64_t count_names(std::string_view file_name, std::int64_t needed) {
  name_file file(file_name);
  text_input names(file, file.name());
  std::int64_t count = 0;
  // A line counts as soon as it is known to begin; the rest of it is read
  // only while more names are needed.
  while (count < needed && !names.at_end_of_file()) {
    ++count;
    if (count < needed) names.skip_line();
  }
  return count;
}

}  // namespace vesk_mg
