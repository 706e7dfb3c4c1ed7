#include "program/command_line.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <utility>
#include <vector>

#include "names/code_page.hpp"
#include "platform/errors.hpp"
#include "platform/paths.hpp"

namespace vesk_mg {

namespace {

constexpr int exit_usage = 2;

// The help, in two parts around the code pages the game has editions in.
constexpr std::string_view usage_before_code_pages =
    "Usage: vesk_mg [--code-page N] [FOLDER...]\r\n"
    "       vesk_mg --check [FOLDER...]\r\n"
    "       vesk_mg --help | --version\r\n"
    "\r\n"
    "Writes the minister roster of one country for the game as ministers_<tag>.csv\r\n"
    "in the current folder, or in the first FOLDER given. It asks, one question at\r\n"
    "a time: the three-letter country tag; the political alignments (the first\r\n"
    "forms the ruling cabinet); how many ministers of each of the ten positions\r\n"
    "every alignment gets; the name of a text file with one minister name per\r\n"
    "line; and the first ID.\r\n"
    "\r\n"
    "It gives out no ID that a roster the game loads uses already. Give it the\r\n"
    "mod's own folder, or drop that on the program: the roster goes into the\r\n"
    "mod's db/ministers, the rosters of the game one or two folders above count\r\n"
    "too, and where the game keeps a list of its rosters, db/ministers.txt, the\r\n"
    "new one is added to the mod's. For a layout it does not find by itself,\r\n"
    "name the mod's ministers folder first and the game's after it: a roster in\r\n"
    "an earlier folder hides one of the same name in a later one, as in the game.\r\n"
    "  On Linux:    vesk_mg ~/game/mods/mymod\r\n"
    "  On Windows:  vesk_mg \"C:\\Game\\Mods\\MyMod\"\r\n"
    "\r\n"
    "Names are written in the code page of the game's edition, taken to be the\r\n"
    "system's (on Linux, the one Windows has for the locale's language). For an\r\n"
    "edition in another language, --code-page N names its own (1251 for the\r\n"
    "Russian edition, say): ";
constexpr std::string_view usage_after_code_pages =
    ".\r\n"
    "\r\n"
    "The answers may also come from a file: vesk_mg < answers.txt\r\n"
    "\r\n"
    "vesk_mg --check looks at the rosters the game loads from the folders, as a\r\n"
    "run finds them, and lists every ID that two of them share or one uses twice,\r\n"
    "every row without an ID, and every roster the game leaves out; it asks and\r\n"
    "writes nothing. Its status is 0 when it finds nothing, 1 when it does.\r\n"
    "\r\n"
    "  --check        look at the rosters, write nothing\r\n"
    "  --code-page N  write the names in code page N\r\n"
    "  --help, -h     show this text\r\n"
    "  --version      show the version\r\n";

constexpr std::string_view code_page_option = "--code-page";

std::optional<unsigned> code_page_of(std::string_view text) {
  unsigned code_page = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code_page);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return std::ranges::count(game_code_pages, code_page) != 0 ? std::optional<unsigned>(code_page) : std::nullopt;
}

}  // namespace

command_line answer_command_line(std::span<const std::string> arguments, byte_sink& output, byte_sink& error_output,
                                 system_kind system) {
  try {
    command_line asked;
    std::vector<std::string> typed;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      const std::string& argument = arguments[i];
      const bool help =
          argument == "--help" || argument == "-h" || (system == system_kind::windows && argument == "/?");
      if (!options || (!argument.starts_with('-') && !help)) {
        typed.push_back(argument);
        continue;
      }
      if (argument == "--") {
        options = false;
        continue;
      }
      if (argument == "--check") {
        asked.check = true;
        continue;
      }
      if (argument == "--version") {
        output.write_all("vesk_mg " VESK_MG_VERSION "\r\n");
        return {{}, {}, {}, {}, exit_normal};
      }
      if (help) {
        output.write_all(
            std::string(usage_before_code_pages).append(game_code_pages_told).append(usage_after_code_pages));
        return {{}, {}, {}, {}, exit_normal};
      }
      if (argument == code_page_option || argument.starts_with(std::string(code_page_option) + "=")) {
        const bool apart = argument == code_page_option;
        const std::string value =
            apart ? (i + 1 < arguments.size() ? arguments[++i] : "") : argument.substr(code_page_option.size() + 1);
        asked.code_page = code_page_of(value);
        if (!asked.code_page) {
          error_output.write_all("No edition of the game reads code page \"" + shown(value) + "\": --code-page takes " +
                                 std::string(game_code_pages_told) + ".\r\n");
          return {{}, {}, {}, {}, exit_usage};
        }
        continue;
      }
      error_output.write_all("Unknown option: " + shown(argument) +
                             "\r\nvesk_mg --help tells what the program takes.\r\n");
      return {{}, {}, {}, {}, exit_usage};
    }
    try {
      asked.folders = roster_folders_of(typed, asked.check ? folder_making::look_only : folder_making::make);
      asked.rosters = read_rosters(asked.folders);
    } catch (const named_error& folder_error) {  // a folder or list not there or not to be read: its line
      error_output.write_all(shown(folder_error.message()) + "\r\n");
      return {{}, {}, {}, {}, exit_usage};
    }
    return asked;
  } catch (const named_error& error) {
    write_report(error_output, report_text(error.full_name(), error.message()));
    return {{}, {}, {}, {}, exit_after_report};
  }
}

std::vector<std::string> arguments_of(std::vector<std::string> given, system_kind system) {
  if (system != system_kind::windows || given.empty()) return given;
  const std::string_view line = given.front();
  // The program's own name ends at its closing quote, or at the first blank.
  std::size_t at = line.starts_with('"') ? line.find('"', 1) : line.find_first_of(" \t");
  at = at == std::string_view::npos ? line.size() : at + 1;
  std::vector<std::string> arguments;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (; at < line.size(); ++at) {
    const char c = line[at];
    if (!quoted && (c == ' ' || c == '\t')) {
      if (in_word) arguments.push_back(std::exchange(word, {}));
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '"') {
      quoted = !quoted;
    } else {
      word.push_back(c);
    }
  }
  if (in_word) arguments.push_back(word);
  return arguments;
}

}  // namespace vesk_mg
