// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, and the generation request that holds
// every answer. A name file is acceptable when it holds enough names and
// the game can read each of them as written. Only the end of the input
// (or a failure of the console itself) leaves the dialogue early, with
// the named error for the end-of-run report.
#pragma once

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

// The whole dialogue, from the banner to the first ID. A first ID whose
// range one of `rosters` uses is refused; where `tell_counts` is set, one
// line for each folder they were read in says how many count, before the
// first question. Names are checked for the game's `code_page`.
dialogue_answers ask_questions(program_io& io, const rosters_read& rosters, bool tell_counts, unsigned code_page);

}  // namespace vesk_mg
