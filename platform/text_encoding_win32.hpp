// Text between the program, which holds it as UTF-8, and the wide API of
// Windows. A name that is not valid UTF-8 is taken in the ANSI code page,
// as Windows' own narrow API would take it.
#pragma once

#include <string>
#include <string_view>

namespace vesk_mg {

std::wstring wide_file_name(std::string_view name);
// Text in `code_page` as UTF-16.
std::wstring widen(std::string_view text, unsigned code_page);

}  // namespace vesk_mg
