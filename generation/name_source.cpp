#include "generation/name_source.hpp"

#include "platform/errors.hpp"
#include "platform/game_text.hpp"

namespace vesk_mg {

std::string name_source::next() {
  const std::string line = lines_.read_line(whole_line);
  ++line_;
  digest_.add(line);
  game_name name = name_for_game(line, request_.names_in_utf8, converter_);
  if (name.refused) {
    throw named_error("VESK_MG.MAIN.NAME_ENCODING_ERROR",
                      request_.name_file_name + ": line " + std::to_string(line_) + " " + why_refused(*name.refused));
  }
  return std::move(name.bytes);
}

}  // namespace vesk_mg
