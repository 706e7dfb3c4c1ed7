// The command line: the folders a run works in and the game's code page,
// or an answer that ends it. With no folder the program runs its dialogue
// in the working folder; with folders, as the user typed them, it finds
// the rosters' folders of the game's layout in them, writes the roster in
// the first and counts the rosters of all of them for its IDs.
// --code-page N names the code page of the game's edition, --check looks
// at the rosters of the folders instead (nothing is made), and -- ends the
// options: what follows is folders. --help (-h,
// and /? on Windows) and --version answer and end the run with status 0.
// A folder that is not there or cannot be read, a list of rosters that
// cannot be read, an option of no meaning here or a code page the game
// has no edition in gets a line that names it on standard error and
// status 2, before anything is asked or written.
// A console that fails here gets the end-of-run report and status 1, as
// anywhere else.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/files.hpp"
#include "rosters/roster_folders.hpp"
#include "rosters/used_ids.hpp"

namespace vesk_mg {

struct command_line {
  roster_folders folders;             // where the roster goes, and whose rosters count
  rosters_read rosters;               // read from them
  bool check = false;                 // --check: the rosters looked at, nothing asked or written
  std::optional<unsigned> code_page;  // the game's, where the user names it
  std::optional<int> status;          // the run ends here with it
};

command_line answer_command_line(std::span<const std::string> arguments, byte_sink& output, byte_sink& error_output,
                                 system_kind system = this_system);

// The arguments as the user meant them, from what the system hands over
// (program_arguments). Windows hands the whole command line: it is parted
// at blanks outside double quotes, the program's own name left out, and as
// a '"' cannot be part of a Windows path, a backslash before one is a
// backslash: "C:\Mods\MyMod\" "C:\Game" is two folders.
std::vector<std::string> arguments_of(std::vector<std::string> given, system_kind system = this_system);

}  // namespace vesk_mg
