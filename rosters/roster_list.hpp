// The list of the rosters that one edition of the game loads, ministers.txt
// beside its ministers folder: one file name a line, with blank lines and
// lines that begin with '#' passed over, and lines ended as the game ends
// them (CR LF, LF or a lone CR). A roster it does not name is never
// loaded. Names match with letter case ignored, as on Windows. Nothing
// here fails but reading the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk_mg {

// The list at `path` as it stands: raises file_name_error, file_use_error
// or file_read_error as reading a file does.
std::string list_text(std::string_view path);

// The file names the list holds, without the blanks around them.
std::vector<std::string> names_in_list(std::string_view list);
bool list_names(std::string_view list, std::string_view file_name);
// `list` with `file_name` on a line of its own at its end, in the list's
// own line ends (CR LF in a list that has none).
std::string list_with(std::string_view list, std::string_view file_name);

}  // namespace vesk_mg
