// The whole program, composed once: the dialogue's questions, then the
// generation of the minister file from the answers, over the console and
// the clock given. Everything the program does ends here: with status 0,
// or with the end-of-run report and status 1 for a named error that
// nothing handled or for running out of memory.
#pragma once

#include <functional>
#include <optional>

#include "platform/console.hpp"
#include "platform/run_environment.hpp"
#include "rosters/roster_folders.hpp"
#include "rosters/used_ids.hpp"

namespace vesk_mg {

// vesk_mg: the program's entry procedure, the dialogue handing its answers
// to the generation driver, once the folder is known to take the roster:
// the first of `found`, whose rosters, `rosters`, were read before.
// Names are written in `code_page`, where it is given, else in the one the
// environment gives.
void vesk_mg(program_io& io, const roster_folders& found, const rosters_read& rosters,
             std::optional<unsigned> code_page);

// One whole run over the given channels and environment, wired as the program
// is: the console, the end of the run and its report around `body`, the
// whole program or a part of it.
// Returns the exit status.
int run_program(byte_source& input, byte_sink& output, byte_sink& error_output, run_environment& environment,
                const std::function<void(program_io&)>& body);

}  // namespace vesk_mg
