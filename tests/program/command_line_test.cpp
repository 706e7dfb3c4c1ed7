#include "program/command_line.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

const std::string help =
    "Usage: vesk_mg [--code-page N] [FOLDER...]\r\n       vesk_mg --check [FOLDER...]\r\n       vesk_mg --help | "
    "--version\r\n";
const std::string no_option = "\r\nvesk_mg --help tells what the program takes.\r\n";

struct command_line_case {
  std::vector<std::string> arguments;
  std::optional<int> status;  // nothing: the dialogue runs in the folders given
  std::string out;            // how standard output begins; nothing when empty
  std::string err;
  system_kind system = system_kind::posix;
  std::optional<unsigned> code_page = {};
  std::vector<std::string> folders = {};  // when the run goes on: the arguments, or else these
  bool check = false;
};

const std::string no_code_page = "\": --code-page takes 1250 to 1258, 874, 932, 936, 949 or 950.\r\n";

TEST(command_line, answers_help_and_version_takes_folders_and_refuses_the_rest) {
  const test_support::temp_folder folder;
  std::filesystem::create_directories(u8"mod/ministers_\u00D8");
  test_support::write_file("names.txt", "a\n");
  const std::vector<command_line_case> cases{
      {{}, std::nullopt, "", ""},
      {{"--version"}, 0, "vesk_mg " VESK_MG_VERSION "\r\n", ""},
      {{"--help"}, 0, help, ""},
      {{"mod", "-h", "--version"}, 0, help, ""},
      {{"/?"}, 0, help, "", system_kind::windows},
      {{"/?"}, 2, "", "No such folder: " + whole_path("/?") + "\r\n"},
      {{"--frobnicate"}, 2, "", "Unknown option: --frobnicate" + no_option},
      {{"-x"}, 2, "", "Unknown option: -x" + no_option},
      {{"mod", "mod/ministers_\xC3\x98", folder.path().string()}, std::nullopt, "", ""},
      {{"mod", "missing"}, 2, "", "No such folder: <here>|missing\r\n"},
      {{"names.txt"}, 2, "", "Not a folder: names.txt; give or drop a folder, the mod's or the game's\r\n"},
      {{""}, 2, "", "No such folder: \r\n"},
      {{"--code-page", "1251"}, std::nullopt, "", "", system_kind::posix, 1251, {""}},
      {{"--code-page=874", "mod"}, std::nullopt, "", "", system_kind::posix, 874, {"mod"}},
      {{"--code-page=1234"}, 2, "", "No edition of the game reads code page \"1234" + no_code_page},
      {{"--code-page", "-1251"}, 2, "", "No edition of the game reads code page \"-1251" + no_code_page},
      {{"--code-page"}, 2, "", "No edition of the game reads code page \"" + no_code_page},
      {{"--code-page", "1251x"}, 2, "", "No edition of the game reads code page \"1251x" + no_code_page},
      // A name's control characters are shown, never sent to the terminal.
      {{"x\x1B]2;PWNED\x07"}, 2, "", "No such folder: <here>|x\\x1B]2;PWNED\\x07\r\n"},
      {{"-\x9B"
        "2J"},
       2,
       "",
       "Unknown option: -\\x9B2J" + no_option},
      // After "--", every argument is a folder.
      {{"--", "-x"}, std::nullopt, "", "", system_kind::posix, std::nullopt, {"-x"}},
      {{"--", "--help"}, 2, "", "No such folder: <here>|--help\r\n"},
      // --check finds the folders as a run does, but makes none: a new mod's rosters' folder stays missing.
      {{"--check", "mod"}, std::nullopt, "", "", system_kind::posix, std::nullopt, {"mod"}, true},
      {{"new/Mods/Fresh", "--check"},
       std::nullopt,
       "",
       "",
       system_kind::posix,
       std::nullopt,
       {"new/Mods/Fresh|db|ministers", "<here>|new|db|ministers"},
       true},
  };
  for (const command_line_case& c : cases) {
    std::filesystem::create_directory("-x");
    std::filesystem::create_directories("new/db/ministers");
    std::filesystem::create_directories("new/Mods/Fresh");
    test_support::string_sink out;
    test_support::string_sink err;
    const command_line asked = answer_command_line(c.arguments, out, err, c.system);
    EXPECT_EQ(asked.status, c.status) << c.arguments.size();
    const std::vector<std::string> folders = !c.folders.empty()    ? c.folders
                                             : c.arguments.empty() ? std::vector<std::string>{""}
                                                                   : c.arguments;
    std::vector<std::string> paths;
    for (const rosters_folder& found : asked.folders.folders) paths.push_back(found.path);
    std::vector<std::string> expected;
    for (const std::string& path : c.status ? std::vector<std::string>{} : folders) {
      expected.push_back(test_support::as_shown(path, folder.path()));
    }
    EXPECT_EQ(paths, expected) << c.arguments.size();
    EXPECT_EQ(asked.check, c.check) << c.arguments.size();
    EXPECT_FALSE(std::filesystem::exists("new/Mods/Fresh/db"));
    EXPECT_EQ(asked.code_page, c.code_page) << c.arguments.size();
    EXPECT_EQ(out.text().substr(0, c.out.size()), c.out) << c.arguments.size();
    EXPECT_EQ(out.text().empty(), c.out.empty()) << c.arguments.size();
    EXPECT_EQ(err.text(), test_support::as_shown(c.err, folder.path())) << c.arguments.size();
  }
}

// Every code page the game has an edition in, and none other.
TEST(command_line, takes_the_code_pages_of_the_games_editions) {
  const test_support::temp_folder folder;
  std::vector<unsigned> taken{874, 932, 936, 949, 950};
  for (unsigned code_page = 1250; code_page <= 1258; ++code_page) taken.push_back(code_page);
  for (const unsigned code_page : taken) {
    test_support::string_sink out;
    test_support::string_sink err;
    const std::vector<std::string> arguments{"--code-page", std::to_string(code_page)};
    EXPECT_EQ(answer_command_line(arguments, out, err).code_page, code_page);
  }
  for (const unsigned code_page : {873U, 875U, 931U, 933U, 935U, 937U, 948U, 951U, 1249U, 1259U, 65001U}) {
    test_support::string_sink out;
    test_support::string_sink err;
    const std::vector<std::string> arguments{"--code-page", std::to_string(code_page)};
    EXPECT_EQ(answer_command_line(arguments, out, err).status, 2) << code_page;
  }
}

// Windows hands over the whole command line; a folder in quotes ending in a
// backslash, as shortcuts have it, is one folder.
TEST(command_line, is_parted_as_the_user_meant_it) {
  struct parting_case {
    std::vector<std::string> given;
    system_kind system;
    std::vector<std::string> arguments;
  };
  const std::vector<parting_case> cases{
      {{"a b", "c"}, system_kind::posix, {"a b", "c"}},
      {{R"("C:\vesk_mg\vesk_mg.exe" "C:\Mods\MyMod\" "C:\Game")"},
       system_kind::windows,
       {R"(C:\Mods\MyMod\)", R"(C:\Game)"}},
      {{R"(vesk_mg.exe   --code-page 1251	"C:\My Game"\db )"},
       system_kind::windows,
       {"--code-page", "1251", R"(C:\My Game\db)"}},
      {{R"(vesk_mg "" x"y z")"}, system_kind::windows, {"", "xy z"}},
      {{"vesk_mg.exe"}, system_kind::windows, {}},
  };
  for (const parting_case& c : cases) EXPECT_EQ(arguments_of(c.given, c.system), c.arguments) << c.given.front();
}

TEST(command_line, usage_says_what_is_asked_written_and_how_to_pipe_answers) {
  test_support::string_sink out;
  test_support::string_sink err;
  const std::vector<std::string> arguments{"--help"};
  ASSERT_EQ(answer_command_line(arguments, out, err).status, 0);
  for (const char* part : {"tag", "alignments", "positions", "one minister name per\r\nline", "first ID",
                           "ministers_<tag>.csv", "vesk_mg < answers.txt", "first FOLDER", "On Linux:    vesk_mg ",
                           "On Windows:  vesk_mg \"C:\\", "db/ministers.txt", "--code-page N", "--check"}) {
    EXPECT_NE(out.text().find(part), std::string::npos) << part;
  }
  // Its prose reads without a line broken short before the sentence goes on.
  const std::vector<std::string> lines = test_support::split(out.text(), "\r\n");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const bool goes_on = !lines[i + 1].empty() && lines[i + 1][0] >= 'a' && lines[i + 1][0] <= 'z';
    if (goes_on && !lines[i].empty() && !lines[i].starts_with(' ')) {
      EXPECT_GE(lines[i].size(), 60U) << lines[i];
    }
  }
}

}  // namespace
}  // namespace vesk_mg
