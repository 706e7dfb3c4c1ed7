// Counts the names of a name file: every line counts, empty lines and a
// last line without a line end included, but an empty last line does not.
// Counting stops once `needed` names are found, so a file with enough
// names is read no further than that; a file with fewer is counted
// exactly. Opening raises file_name_error or file_use_error; a failed
// read raises file_read_error.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk_mg {

std::int64_t count_names(std::string_view file_name, std::int64_t needed);

}  // namespace vesk_mg
