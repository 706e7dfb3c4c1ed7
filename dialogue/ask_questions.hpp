// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, and the generation request that holds
// every answer. A name file is acceptable when it holds enough names and
// the game can read each of them as written. Only the end of the input
// (or a failure of the console itself) leaves the dialogue early, with
// the named error for the end-of-run report.
#pragma once

#include <span>
#include <string>

#include "platform/console.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// The whole dialogue, from the banner to the first ID; returns the request.
// The roster goes to the first of `folders`, as the user typed them, and
// the rosters of all of them count for its IDs; none is the working folder.
generation_request ask_questions(program_io& io, std::span<const std::string> folders = {});

}  // namespace vesk_mg
