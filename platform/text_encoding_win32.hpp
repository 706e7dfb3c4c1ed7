// Text between the program, which holds it as UTF-8, and the wide API of
// Windows. A name that is not valid UTF-8 is taken in the ANSI code page,
// as Windows' own narrow API would take it.
#pragma once

#include <string>
#include <string_view>

namespace vesk_mg {

std::wstring wide_file_name(std::string_view name);

}  // namespace vesk_mg
