// Interruptions of a run: SIGINT, SIGTERM and SIGHUP on Linux; Ctrl+C,
// Ctrl+Break and the console window closing on Windows. Each one removes
// the temporary file being written (so a roster is never left half
// replaced), writes the report line "raised VESK_MG.INTERRUPTED_ERROR"
// with what happened on standard error, and ends the process the way the
// platform expects: by the signal itself (a shell sees 130, 143 or 129),
// or with STATUS_CONTROL_C_EXIT.
#pragma once

#include <string>

namespace vesk_mg {

// Installs the handlers; once, at the start of the process.
void watch_for_interruptions();

// The one temporary file that an interruption removes, or none.
void remove_on_interruption(const std::string& path);
void remove_nothing_on_interruption();

}  // namespace vesk_mg
