#include "program/system_code_page.hpp"

#include <cstdlib>

#include "names/code_page.hpp"
#include "platform/env.hpp"

namespace vesk_mg {

unsigned system_game_code_page() {
  const unsigned ansi = ansi_code_page();
  if (ansi != 0) return game_code_page_of_ansi(ansi);
  return code_page_of_locale(locale_of(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
}

}  // namespace vesk_mg
