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

// What the dialogue hands on: the user's answers, and the names of the
// name file as it checked them.
struct dialogue_answers {
  generation_request request;
  names_as_checked names;
};

// The whole dialogue, from the banner to the first ID. `told_first` is
// said after the banner, before the first question, with a blank line
// after it. A first ID whose range one of `rosters` uses is refused. Names
// are checked for the game's `code_page`.
dialogue_answers ask_questions(program_io& io, const rosters_read& rosters, const std::vector<std::string>& told_first,
                               unsigned code_page);

}  // namespace vesk_mg
