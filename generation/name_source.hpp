// The names of a name file, one for each row, as the game will read them:
// in the game's code page when the dialogue found the file to be UTF-8,
// byte for byte otherwise (game_text.hpp). Opening the file raises what
// name_file raises. A name the game could not read as written, because
// the file changed after the dialogue checked it, raises
// VESK_MG.MAIN.NAME_ENCODING_ERROR naming the file, the line and what
// keeps it out, as the dialogue words it; a file that runs out, or whose
// lines are not those checked, raises VESK_MG.MAIN.NAME_FILE_CHANGED_ERROR.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text_decoding.hpp"
#include "platform/text_input.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

class name_source {
 public:
  explicit name_source(const generation_request& request)
      : request_(request),
        file_(request.name_file_name),
        lines_(file_, file_.name()),
        converter_(request.game_code_page) {}

  // The next line's name, ready to be written into the roster.
  std::string next();
  // Once every name is read: the names written are the names checked, to the byte.
  void check_unchanged() const;

 private:
  const generation_request& request_;
  name_file file_;
  text_input lines_;
  code_page_converter converter_;
  std::int64_t line_ = 0;
  name_digest digest_;
};

}  // namespace vesk_mg
