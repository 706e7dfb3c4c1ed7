// The generation driver: creates the minister file (or the first fallback
// name that can be created), writes the header, the ten ruling cabinet
// rows, the section line and every replacement row, one name and its
// draws per minister, and prints the progress dots and the closing lines.
// The request is read, never changed. The file replaces its name whole,
// and only once every row is written and on the disk. A name file that
// runs out or is not as the dialogue checked it, a failed write, a draw's
// guard or no free file name after the 999th fallback raise named errors
// that end the run, and the name keeps what it held before. A console
// that fails once the roster has its name raises its error with "; the
// ministers are in <file>" added.
#pragma once

#include "platform/console.hpp"
#include "platform/files.hpp"
#include "vocabulary/generation_request.hpp"

namespace vesk_mg {

// main: the generation driver, writing the whole minister file for the
// request into `folder`, held since it was checked, or else the request's
// own folder. It raises named errors by design; it is not the program's
// entry point, whatever its name.
void main(const generation_request& request, program_io& io,  // NOLINT(bugprone-exception-escape)
          const folder_handle& folder);
void main(const generation_request& request, program_io& io);  // NOLINT(bugprone-exception-escape)

}  // namespace vesk_mg
