// Names as the game reads them. It reads a roster in its own legacy code
// page (code_page.hpp) and shows one glyph a byte; it splits each line on
// ';' into the row's fields and ends a line at a line feed, a NUL or a
// carriage return. A name from a UTF-8 name file is written in the game's
// code page; a name from any other is taken to be in that code page
// already and copied byte for byte. Nothing here fails: a name that cannot
// be written as the user meant it gives the first character that stops it.
// UTF-8 is told from other bytes here, and read a code point at a time.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/env.hpp"

namespace vesk_mg {

// The code point that starts at `at`, with `at` moved past it; nothing,
// and `at` where it was, for bytes that are not well-formed UTF-8 there.
std::optional<char32_t> next_code_point(std::string_view text, std::size_t& at);
// True for well-formed UTF-8, plain ASCII included.
bool is_valid_utf8(std::string_view text);
// True when every byte is below 0x80: the same text in every code page the game reads.
bool is_ascii(std::string_view text);

// One character, given as its UTF-8, as the game will show it, checked by
// itself as Windows converts it: one byte in a single-byte code page (two
// at most in an East Asian one) that converts back to that character
// alone; nothing for a character the code page lacks or would show as
// another (a best fit, a look-alike, a letter taken apart into a base and
// a combining mark).
std::optional<std::string> character_in_code_page(std::string_view character, code_page_converter& converter);

struct game_name {
  std::string bytes;                // the name as the roster holds it
  std::optional<char32_t> refused;  // or the first character that keeps it out
};

// Refused in the place of a character: the bytes are not UTF-8 at all, or
// the line is longer than any name, longest_minister_name bytes, can be.
inline constexpr char32_t not_utf8 = 0x110000;
inline constexpr char32_t too_long = 0x110001;
inline constexpr std::size_t longest_minister_name = 4096;

// A name for the roster, refused for a ';', for a control character
// (U+0000 to U+001F but the tab, and U+007F; in UTF-8 also U+0080 to
// U+009F) and, in UTF-8, for a character the code page lacks or would
// show as another, or for bytes that are not UTF-8 at all (not_utf8). A
// refused character is a code point in UTF-8 and a byte's value otherwise.
game_name name_for_game(std::string_view name, bool utf8, code_page_converter& converter);

// Why a line of the name file is refused, as the user is told it: "holds
// a ';', which would split the minister's row", "holds U+0141 (and the letter), which
// the game cannot show" (with, where another of the game's code pages than
// `code_page` holds it, "; the edition that reads code page 1250 can
// (--code-page 1250)"), "is not written in UTF-8, as the rest of the file
// is", "is too long to be a name". A control character is named, not shown.
std::string why_refused(char32_t refused, unsigned code_page);

}  // namespace vesk_mg
