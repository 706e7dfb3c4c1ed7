// The whole program, composed once: the dialogue's questions, then the
// generation of the minister file from the answers, over the console and
// the clock given. Everything the program does ends here: with status 0,
// or with the end-of-run report and status 1 for a named error that
// nothing handled or for running out of memory.
#pragma once

#include <functional>

#include "dialogue/ask_questions.hpp"
#include "platform/console.hpp"
#include "platform/run_clock.hpp"
#include "rosters/roster_folders.hpp"
#include "rosters/used_ids.hpp"

namespace vesk_mg {

// vesk_mg: the program's entry procedure, the dialogue handing its answers
// to the generation driver, once the folder is known to take the roster:
// the first of `found`, whose rosters, `rosters`, were read before. The
// name file is looked for and its names are checked as `setting` says.
void vesk_mg(program_io& io, const roster_folders& found, const rosters_read& rosters,
             const name_file_setting& setting);

// One whole run over the given channels and clock, wired as the program
// is: the console, the end of the run and its report around `body`, the
// whole program or a part of it. Returns the exit status.
int run_program(byte_source& input, byte_sink& output, byte_sink& error_output, run_clock& clock,
                const std::function<void(program_io&)>& body);

}  // namespace vesk_mg
