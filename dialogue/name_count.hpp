// Counts the names of a name file: every line counts, empty lines and a
// last line without a line end included, but an empty last line does not.
// Opening raises file_name_error or file_use_error; a failed read raises
// file_read_error.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk_mg {

std::int64_t count_names(std::string_view file_name);

}  // namespace vesk_mg
