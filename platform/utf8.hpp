// Telling UTF-8 text from text in another encoding, for the Windows side,
// which holds every text as UTF-8 inside the program. Nothing fails.
#pragma once

#include <string_view>

namespace vesk_mg {

// True when `text` is well-formed UTF-8 (plain ASCII included).
bool is_valid_utf8(std::string_view text);

}  // namespace vesk_mg
