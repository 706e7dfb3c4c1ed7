// Interruptions of a run: SIGINT, SIGTERM, SIGHUP and SIGQUIT on Linux;
// Ctrl+C, Ctrl+Break and the console window closing on Windows. Until the
// new roster takes its name, each one removes the temporary file being
// written (so a roster is never left half replaced), writes the report
// line "raised VESK_MG.INTERRUPTED_ERROR : <what>" on standard error and
// ends the process as the platform expects: by the signal itself (a shell
// sees 130, 143, 129 or 131), with status 128 + the signal where the
// process cannot die of it (as PID 1), or with STATUS_CONTROL_C_EXIT. A
// signal that was ignored when the program started stays ignored.
//
// Once the roster has its name the run has done what it promised, and no
// interruption reports it undone: on Linux the signals are held off to the
// end of the run, on Windows an interruption ends the run with status 0.
#pragma once

#include <functional>
#include <string>

namespace vesk_mg {

// Installs the handlers; once, at the start of the process.
void watch_for_interruptions();

// The one temporary file that an interruption removes, or none.
void remove_on_interruption(const std::string& path);
void remove_nothing_on_interruption();

// Runs `step` with interruptions held off, so that what it does on the
// disk and what an interruption removes agree; one that comes meanwhile
// takes effect after it.
void hold_interruptions_during(const std::function<void()>& step);

// Runs `commit`, which gives the roster its name, with interruptions held
// off. When it returns true the run has done what it promised, and from
// then on no interruption reports it undone.
bool commit_uninterrupted(const std::function<bool()>& commit);

}  // namespace vesk_mg
