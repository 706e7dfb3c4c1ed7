#include "program/command_line.hpp"

#include <filesystem>
#include <system_error>

#include "platform/errors.hpp"
#include "platform/paths.hpp"

namespace vesk_mg {

namespace {

constexpr int exit_usage = 2;

constexpr std::string_view usage =
    "Usage: vesk_mg [FOLDER...]\r\n"
    "       vesk_mg --help | --version\r\n"
    "\r\n"
    "Writes the minister roster of one country for the game as ministers_<tag>.csv\r\n"
    "in the current folder, or in the first FOLDER given. It asks, one question at\r\n"
    "a time: the three-letter country tag; the political alignments (the first\r\n"
    "forms the ruling cabinet); how many ministers of each of the ten positions\r\n"
    "every alignment gets; the name of a text file with\r\n"
    "one minister name per line; and the first ID.\r\n"
    "\r\n"
    "It gives out no ID that a roster in the folders uses already. Name the mod's\r\n"
    "ministers folder first and the game's own after it: a roster in an earlier\r\n"
    "folder hides one of the same name in a later one, as in the game.\r\n"
    "  On Linux:    vesk_mg ~/mods/mymod/ministers ~/game/ministers\r\n"
    "  On Windows:  vesk_mg \"C:\\Mods\\MyMod\\ministers\" \"C:\\Game\\ministers\"\r\n"
    "\r\n"
    "The answers may also come from a file: vesk_mg < answers.txt\r\n"
    "\r\n"
    "  --help, -h  show this text\r\n"
    "  --version   show the version\r\n";

}  // namespace

command_line answer_command_line(std::span<const std::string> arguments, byte_sink& output, byte_sink& error_output,
                                 system_kind system) {
  try {
    for (const std::string& argument : arguments) {
      if (argument == "--version") {
        output.write_all("vesk_mg " VESK_MG_VERSION "\r\n");
        return {{}, exit_normal};
      }
      if (argument == "--help" || argument == "-h" || (system == system_kind::windows && argument == "/?")) {
        output.write_all(usage);
        return {{}, exit_normal};
      }
      if (argument.starts_with('-')) {
        error_output.write_all("Unknown option: " + argument + "\r\nvesk_mg --help tells what the program takes.\r\n");
        return {{}, exit_usage};
      }
    }
    for (const std::string& argument : arguments) {
      std::error_code error;
      const std::filesystem::file_status status = std::filesystem::status(path_of(argument), error);
      if (std::filesystem::is_directory(status)) continue;
      error_output.write_all((std::filesystem::exists(status) ? "Not a folder: " : "No such folder: ") + argument +
                             "\r\n");
      return {{}, exit_usage};
    }
    return {{arguments.begin(), arguments.end()}, std::nullopt};
  } catch (const named_error& error) {
    write_report(error_output, report_text(error.full_name(), error.message()));
    return {{}, exit_after_report};
  }
}

}  // namespace vesk_mg
