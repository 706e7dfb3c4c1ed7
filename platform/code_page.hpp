// The game's code page, and names in it. The game reads a roster in its
// own legacy code page (Windows-1252 for its Western editions, 1251 for
// its Russian one, East Asian code pages for others), never as UTF-8. It
// is the code page Windows uses as the ANSI code page for the user's
// language: on Windows the system's own (1252 when that is UTF-8), on
// Linux the one for the language of the locale. Converting fails only by
// saying so: there is no best-fit substitute, "Łukasz" has no form in 1252.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// Well-formed UTF-8 in `code_page`, or nothing when a character of it has
// no place there.
std::optional<std::string> in_code_page(std::string_view utf8, unsigned code_page);

}  // namespace vesk_mg
