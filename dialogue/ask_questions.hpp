// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, and the generation request that holds
// every answer. A name file is acceptable when it holds enough names and
// the game can read each of them as written. Only the end of the input
// (or a failure of the console itself) leaves the dialogue early, with
// the named error for the end-of-run report.
#pragma once

#include <optional>

#include "platform/console.hpp"
#include "rosters/roster_folders.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// The whole dialogue, from the banner to the first ID; returns the request.
// The roster goes to the first of `folders`, and the rosters of all of
// them count for its IDs: with folders given, one line for each before the
// first question says how many. Names are checked for `code_page`, or
// where none is given for the one the environment gives.
generation_request ask_questions(program_io& io, const roster_folders& folders = roster_folders_of({}),
                                 std::optional<unsigned> code_page = std::nullopt);

}  // namespace vesk_mg
