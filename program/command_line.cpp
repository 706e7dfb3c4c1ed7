#include "program/command_line.hpp"

#include <string>

#include "platform/errors.hpp"

namespace vesk_mg {

namespace {

constexpr int exit_usage = 2;

constexpr std::string_view usage =
    "Usage: vesk_mg [--help | --version]\r\n"
    "\r\n"
    "Writes the minister roster of one country for the game as ministers_<tag>.csv\r\n"
    "in the current folder. It asks, one question at a time: the three-letter\r\n"
    "country tag; the political alignments (the first forms the ruling cabinet);\r\n"
    "how many ministers of each of the ten positions every alignment gets; the\r\n"
    "name of a text file with one minister name per line; and the first ID.\r\n"
    "\r\n"
    "The answers may also come from a file: vesk_mg < answers.txt\r\n"
    "\r\n"
    "  --help     show this text\r\n"
    "  --version  show the version\r\n";

}  // namespace

std::optional<int> answer_command_line(std::span<const std::string_view> arguments, byte_sink& output,
                                       byte_sink& error_output) {
  if (arguments.empty()) return std::nullopt;
  try {
    if (arguments.size() == 1 && arguments[0] == "--version") {
      output.write_all("vesk_mg " VESK_MG_VERSION "\r\n");
      return exit_normal;
    }
    if (arguments.size() == 1 && arguments[0] == "--help") {
      output.write_all(usage);
      return exit_normal;
    }
    error_output.write_all(usage);
    return exit_usage;
  } catch (const named_error& error) {
    write_report(error_output, error);
    return exit_after_report;
  }
}

}  // namespace vesk_mg
