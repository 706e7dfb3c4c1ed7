// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, and the generation request that holds
// every answer. A name file is acceptable when it holds enough names and
// the game can read each of them as written. Only the end of the input
// (or a failure of the console itself) leaves the dialogue early, with
// the named error for the end-of-run report.
#pragma once

#include <string>
#include <vector>

#include "names/name_file.hpp"
#include "platform/console.hpp"
#include "rosters/used_ids.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// Where a name file is looked for besides the folder the program was
// started in, and the code page its names are checked for: what the
// dialogue takes from the run's surroundings.
struct name_file_setting {
  std::string program_folder;  // the folder of the program's own file, "" for none
  unsigned game_code_page;     // the one the game reads a roster in
};

// What the dialogue hands on: the user's answers, and the names of the
// name file as it checked them.
struct dialogue_answers {
  generation_request request;
  names_as_checked names;
};

// The whole dialogue, from the banner to the first ID. `told_first` is
// said after the banner, before the first question, with a blank line
// after it. A first ID whose range one of `rosters` uses is refused. The
// name file is looked for and checked as `setting` says.
dialogue_answers ask_questions(program_io& io, const rosters_read& rosters, const std::vector<std::string>& told_first,
                               const name_file_setting& setting);

}  // namespace vesk_mg
