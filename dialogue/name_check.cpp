#include "dialogue/name_check.hpp"

#include <string>

#include "platform/game_text.hpp"
#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"

namespace vesk_mg {

namespace {

constexpr std::size_t refused_lines_shown = 10;

void note(name_check& check, std::int64_t line, const game_name& name) {
  if (!name.refused) return;
  if (check.refused.size() < refused_lines_shown) {
    check.refused.push_back({line, *name.refused});
  } else {
    ++check.more_refused;
  }
}

}  // namespace

name_check check_names(std::string_view file_name, std::int64_t used, code_page_converter& converter) {
  name_file file(file_name);
  text_input names(file, file.name());
  // Both readings are kept until the whole file has shown which it is.
  name_check as_utf8;
  as_utf8.utf8 = true;
  name_check as_bytes;
  name_digest digest;
  bool utf8 = false;
  std::int64_t line = 0;
  while (line < used && !names.at_end_of_file()) {
    ++line;
    const std::string name = names.read_line(whole_line);
    digest.add(name);
    utf8 = utf8 || (!is_ascii(name) && is_valid_utf8(name));
    note(as_bytes, line, name_for_game(name, false, converter));
    note(as_utf8, line, name_for_game(name, true, converter));
  }
  name_check& check = utf8 ? as_utf8 : as_bytes;
  check.names = line;
  check.digest = digest;
  return check;
}

}  // namespace vesk_mg
