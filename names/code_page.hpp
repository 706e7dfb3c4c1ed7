// The code page the game reads a roster in. The game reads it in its own
// legacy code page, never as UTF-8: Windows-1252 in its Western editions,
// 1251 in its Russian one, East Asian code pages in others; that is the
// code page Windows uses as the ANSI code page for the user's language.
// Nothing here fails: an unknown language is Western.
#pragma once

#include <array>
#include <string_view>

namespace vesk_mg {

inline constexpr unsigned western_code_page = 1252;

// The ANSI code pages of Windows, in which the game has its editions, one
// byte a character first, as the user is told them.
inline constexpr std::array<unsigned, 14> game_code_pages{1250, 1251, 1252, 1253, 1254, 1255, 1256,
                                                          1257, 1258, 874,  932,  936,  949,  950};
inline constexpr std::string_view game_code_pages_told = "1250 to 1258, 874, 932, 936, 949 or 950";

// The East Asian ones, in which a character may take two bytes.
constexpr bool is_east_asian(unsigned code_page) {
  return code_page == 932 || code_page == 936 || code_page == 949 || code_page == 950;
}

// The ANSI code page of the language of a locale name ("pl_PL.UTF-8",
// "sr_RS@latin"); C, POSIX, an empty name and any language without a code
// page of its own give 1252.
unsigned code_page_of_locale(std::string_view locale);

// The locale of an environment: the first of LC_ALL, LC_CTYPE and LANG
// (each null where it is not set) that is set and not empty, or "".
std::string_view locale_of(const char* lc_all, const char* lc_ctype, const char* lang);

// The code page the game reads a roster in, as the system gives it: its
// ANSI code page `ansi` (1252 where that is UTF-8), or where it has none
// (0, as on Linux), the one Windows gives the language of the locale that
// LC_ALL, LC_CTYPE and LANG name (each null where it is not set).
unsigned game_code_page_of(unsigned ansi, const char* lc_all, const char* lc_ctype, const char* lang);

}  // namespace vesk_mg
