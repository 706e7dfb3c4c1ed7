#include "generation/name_source.hpp"

#include "platform/errors.hpp"
#include "platform/game_text.hpp"

namespace vesk_mg {

namespace {

named_error changed(const generation_request& request) {
  return {"VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR", request.name_file_name + " changed after its names were checked"};
}

}  // namespace

std::string name_source::next() {
  if (lines_.at_end_of_file()) throw changed(request_);
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

void name_source::check_unchanged() const {
  if (digest_ != request_.names_checked) throw changed(request_);
}

}  // namespace vesk_mg
