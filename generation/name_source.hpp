// The names of a name file, one for each row, as the game will read them:
// in the game's code page when the dialogue found the file to be UTF-8,
// byte for byte otherwise (game_text.hpp). A name the game could not read
// as written, because the file changed after the dialogue checked it,
// raises VESK_MG.MAIN.NAME_ENCODING_ERROR naming the file, the line and
// the character; a file that runs out raises end_of_input_error.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text_input.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

class name_source {
 public:
  name_source(text_input& lines, const generation_request& request) : lines_(lines), request_(request) {}

  // The next line's name, ready to be written into the roster.
  std::string next();

 private:
  text_input& lines_;
  const generation_request& request_;
  std::int64_t line_ = 0;
};

}  // namespace vesk_mg
