// Names as the game reads them. The game reads a roster in its own legacy
// code page, never as UTF-8: Windows-1252 in its Western editions, 1251
// in its Russian one, East Asian code pages in others; that is the code
// page Windows uses as the ANSI code page for the user's language. It
// splits each line on ';' into the row's fields and ends a line at a line
// feed, a NUL or a lone carriage return. A name from a UTF-8 name file is
// written in the game's code page; a name from any other is taken to be
// in that code page already and copied byte for byte. Nothing here fails:
// a name that cannot be written as the user meant it gives the first
// character that stops it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/env.hpp"

namespace vesk_mg {

inline constexpr unsigned western_code_page = 1252;

// The ANSI code page of the language of a locale name ("pl_PL.UTF-8",
// "sr_RS@latin"); C, POSIX, an empty name and any language without a code
// page of its own give 1252.
unsigned code_page_of_locale(std::string_view locale);

// The locale of an environment: the first of LC_ALL, LC_CTYPE and LANG
// that is set and not empty, or "" for none.
std::string_view locale_of(const std::function<const char*(const char*)>& variable);

// The game's code page on Windows for the system's ANSI code page.
constexpr unsigned game_code_page_of_ansi(unsigned ansi) { return ansi == 65001 ? western_code_page : ansi; }

struct game_name {
  std::string bytes;                // the name as the roster holds it
  std::optional<char32_t> refused;  // or the first character that keeps it out
};

// Refused in the place of a character: the bytes are not UTF-8 at all.
inline constexpr char32_t not_utf8 = 0x110000;

// A name for the roster, refused for a ';', for a control character
// (U+0000 to U+001F but the tab, and U+007F; in UTF-8 also U+0080 to
// U+009F) and, in UTF-8, for a character the code page lacks or would
// show as another, or for bytes that are not UTF-8 at all (not_utf8). A
// refused character is a code point in UTF-8 and a byte's value otherwise.
game_name name_for_game(std::string_view name, bool utf8, code_page_converter& converter);

// Why a line of the name file is refused, as the user is told it: "holds
// a ';', which would split the minister's row", "holds U+0141, which the
// game cannot show", "is not written in UTF-8, as the rest of the file is".
std::string why_refused(char32_t refused);

}  // namespace vesk_mg
