// The code page the game reads a roster in, as the system gives it: the
// system's ANSI code page (1252 where that is UTF-8), or where the system
// has none, the one Windows gives the language of the locale (the first
// of LC_ALL, LC_CTYPE and LANG that is set and not empty). Nothing here
// fails.
#pragma once

namespace vesk_mg {

unsigned system_game_code_page();

}  // namespace vesk_mg
