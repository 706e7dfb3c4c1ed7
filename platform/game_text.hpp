// Names as the game reads them: in its own code page, each line split on
// ';' into the row's fields, a line ended by a line feed, a NUL or a lone
// carriage return. A name from a UTF-8 name file is written in the game's
// code page; a name from any other is taken to be in that code page
// already and copied byte for byte. Nothing here fails: a name that cannot
// be written as the user meant it gives the first character that stops it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesk_mg {

struct game_name {
  std::string bytes;                // the name as the roster holds it
  std::optional<char32_t> refused;  // or the first character that keeps it out
};

// A name for the roster, refused for a ';', for a control character
// (U+0000 to U+001F but the tab, and U+007F; in UTF-8 also U+0080 to
// U+009F) and, in UTF-8, for a character the code page lacks, or for
// bytes that are not UTF-8 at all (refused as U+FFFD). A refused
// character is a code point in UTF-8 and a byte's value otherwise.
game_name name_for_game(std::string_view name, bool utf8, unsigned code_page);

// A character as a user can look it up: "U+0141", in capital hexadecimal.
std::string code_point_text(char32_t code_point);

}  // namespace vesk_mg
