// The command line: the folders a run works in, or an answer that ends it.
// With no argument the program runs its dialogue in the working folder;
// with folders, as the user typed them, it writes the roster in the first
// and counts the rosters of all of them for its IDs. --help (-h, and /?
// on Windows) and --version answer and end the run with status 0. An
// argument that is no existing folder, or an option of no meaning here,
// gets a line that names it on standard error and status 2, before
// anything is asked or written. A console that fails here gets the
// end-of-run report and status 1, as anywhere else.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/files.hpp"

namespace vesk_mg {

struct command_line {
  std::vector<std::string> folders;
  std::optional<int> status;  // the run ends here with it
};

command_line answer_command_line(std::span<const std::string> arguments, byte_sink& output, byte_sink& error_output,
                                 system_kind system = this_system);

}  // namespace vesk_mg
