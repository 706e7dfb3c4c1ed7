// The console dialogue: the banner and every question, asked again until
// it gets an acceptable answer, and the generation request that holds
// every answer. A name file is acceptable when it holds enough names and
// the game can read each of them as written. Only the end of the input
// (or a failure of the console itself) leaves the dialogue early, with
// the named error for the end-of-run report.
#pragma once

#include "platform/console.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// The whole dialogue, from the banner to the first ID; returns the request.
generation_request ask_questions(program_io& io);

}  // namespace vesk_mg
