// The generation driver: creates the minister file (or the first fallback
// name that can be created), writes the header, the ten ruling cabinet
// rows, the section line and every replacement row, one name and its
// draws per minister, and prints the progress dots and the closing lines.
// The request is read, never changed. The file replaces its name whole,
// and only once every row is written and on the disk; a roster under its
// own name is then added to the list of rosters the game loads, where one
// governs. A name file that runs out or is not as the dialogue checked it,
// a failed write, a draw's guard or no free file name after the 999th
// fallback raise named errors that end the run, and the name keeps what
// it held before; should its temporary file stay, the report names it. A
// console that fails once the roster has its name raises its error with
// "; the ministers are in <file>" added.
#pragma once

#include "names/name_file.hpp"
#include "platform/console.hpp"
#include "platform/files.hpp"
#include "rosters/roster_folders.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// The generation driver: writes the whole minister file for the request,
// with the names as the dialogue checked them, into `folder`, held since
// it was checked, the first of `found`, and keeps the list of rosters that
// governs them.
void write_roster(const generation_request& request, const names_as_checked& checked, program_io& io,
                  const folder_handle& folder, const roster_folders& found);

}  // namespace vesk_mg
