#include "rosters/roster_report.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::as_shown;
using test_support::roster;

// A roster of `tag` whose rows hold these first fields, in order.
std::string roster_of_rows(const std::string& tag, const std::vector<std::string>& fields) {
  std::string text = tag + ";Ruling Cabinet - Start;Name\r\n";
  for (const std::string& field : fields) text += field + ";x\r\n";
  return text;
}

// The game's layout: the game two folders above the mod given.
const std::string game = "game/db/ministers/";
const std::string mod = "game/Mods/MyMod/db/ministers/";

struct check_case {
  const char* name;
  test_support::file_layout files;
  std::vector<std::string> lines;  // "|" the separator, "<here>" the test's folder whole
  std::size_t findings;
  std::string closing;
  std::vector<std::string> typed{"game/Mods/MyMod"};
  friend void PrintTo(const check_case& c, std::ostream* os) { *os << c.name; }
};

class checked : public ::testing::TestWithParam<check_case> {
 protected:
  test_support::temp_folder folder;
};

TEST_P(checked, tells_what_the_game_loads_wrongly) {
  const check_case& c = GetParam();
  test_support::lay_out({{game, ""}, {mod, ""}});
  test_support::lay_out(c.files);
  const check_report report = check_of(read_rosters(roster_folders_of(c.typed, folder_making::look_only)));
  std::vector<std::string> lines;
  for (const std::string& line : c.lines) lines.push_back(as_shown(line, folder.path()));
  EXPECT_EQ(report.lines, lines);
  EXPECT_EQ(report.findings, c.findings);
  EXPECT_EQ(report.closing, c.closing);
}

const std::string game_ger = "<here>|game|db|ministers|ministers_ger.csv";
const std::string mod_fra = "game/Mods/MyMod|db|ministers|ministers_fra.csv";

INSTANTIATE_TEST_SUITE_P(
    rows, checked,
    ::testing::Values(
        check_case{"nothing_shared",
                   {{game + "ministers_ger.csv", roster("GER", 1, 10)}},
                   {},
                   0,
                   "Read 1 roster of 10 ministers: no ID is used twice."},
        // Runs of consecutive IDs that the same rosters share, in the order of the IDs, then of the rosters.
        check_case{
            "runs_shared",
            {{game + "ministers_ger.csv", roster("GER", 601, 10)},
             {mod + "ministers_fra.csv", roster("FRA", 605, 10)},
             {mod + "ministers_ita.csv", roster("ITA", 609, 1)}},
            {"IDs 605 to 608 are used in " + game_ger + " and " + mod_fra + ".",
             "ID 609 is used in " + game_ger + ", " + mod_fra + " and game/Mods/MyMod|db|ministers|ministers_ita.csv.",
             "ID 610 is used in " + game_ger + " and " + mod_fra + "."},
            3,
            "Read 3 rosters of 21 ministers: 3 findings."},
        // An ID one roster uses again, and rows whose first field is no ID.
        check_case{
            "ids_again_and_rows_without_one",
            {{mod + "ministers_fra.csv", roster_of_rows("FRA", {"7", "8", "7", "26O0", "", "9", "8", "8", "x1", "x2",
                                                                "x3", "x4", "x5", "x6", "x7", "x8", "x9", "x10"})}},
            {"ID 7 is used twice in " + mod_fra + ", on lines 2 and 4.",
             "ID 8 is used 3 times in " + mod_fra + ", first on lines 3 and 8.",
             "Line 5 of " + mod_fra + " holds no ID: \"26O0\".", "Line 10 of " + mod_fra + " holds no ID: \"x1\".",
             "Line 11 of " + mod_fra + " holds no ID: \"x2\".", "Line 12 of " + mod_fra + " holds no ID: \"x3\".",
             "Line 13 of " + mod_fra + " holds no ID: \"x4\".", "Line 14 of " + mod_fra + " holds no ID: \"x5\".",
             "Line 15 of " + mod_fra + " holds no ID: \"x6\".", "Line 16 of " + mod_fra + " holds no ID: \"x7\".",
             "Line 17 of " + mod_fra + " holds no ID: \"x8\".", "Line 18 of " + mod_fra + " holds no ID: \"x9\".",
             "1 more line of " + mod_fra + " holds no ID."},
            13,
            "Read 1 roster of 6 ministers: 13 findings."},
        // Where a list governs: a roster of the mod it leaves out, and a name no folder holds.
        check_case{"a_list_that_leaves_rosters_out",
                   {{game + "ministers_ger.csv", roster("GER", 1, 1)},
                    {game + "ministers_ita.csv", roster("ITA", 2, 1)},
                    {mod + "ministers_fra.csv", roster("FRA", 3, 1)},
                    {"game/Mods/MyMod/db/ministers.txt", "ministers_ger.csv\r\nMinisters_Gone.csv\r\n"}},
                   {mod_fra + " is left out of the roster list <here>|game|Mods|MyMod|db|ministers.txt: the game will "
                              "not load it.",
                    "The roster list <here>|game|Mods|MyMod|db|ministers.txt names Ministers_Gone.csv, which no "
                    "folder holds.",
                    "<here>|game|db|ministers|ministers_ita.csv is not counted: the roster list "
                    "<here>|game|Mods|MyMod|db|ministers.txt leaves it out."},
                   2,
                   "Read 1 roster of 1 minister: 2 findings."},
        // What is no roster is told, a namesake hidden by the mod's too, but only as a note.
        check_case{"files_passed_over",
                   {{game + "ministers_ger.csv", roster("GER", 1, 1)},
                    {mod + "Ministers_GER.csv", roster("GER", 2, 1)},
                    {mod + "notes.csv", ";not a roster\r\n"},
                    {mod + "wide.csv", test_support::in_utf16("XYZ;x\r\n")},
                    {mod + "own.csv", "XYZ;Ruling Cabinet Start\r\n5;a\r\n"}},
                   {"game/Mods/MyMod|db|ministers|notes.csv is not counted: it is no roster: its first field holds no "
                    "tag.",
                    "game/Mods/MyMod|db|ministers|wide.csv is not counted: it is UTF-16 text, which the game does not "
                    "read.",
                    game_ger + " is not counted: game/Mods/MyMod|db|ministers|Ministers_GER.csv hides it."},
                   2,
                   "Read 2 rosters of 2 ministers: 2 findings."},
        // Elsewhere than in the game's layout, a roster's header must name the ruling cabinet.
        check_case{"a_plain_folder",
                   {{"plain/x.csv", "XYZ;Ruling Cabinet Start\r\n5;a\r\n"}, {"plain/y.csv", roster("Y", 1, 2)}},
                   {"plain|x.csv is not counted: it is no roster: its first line is no header."},
                   1,
                   "Read 1 roster of 2 ministers: 1 finding.",
                   {"plain"}}),
    [](const ::testing::TestParamInfo<check_case>& param) { return std::string(param.param.name); });

// A run says how many IDs are used more than once already, and the command that lists them.
TEST(roster_report, a_run_tells_of_ids_used_more_than_once) {
  const test_support::temp_folder folder;
  test_support::lay_out({{"mod/a.csv", roster("A", 1, 10)},
                         {"mod/b.csv", roster("B", 5, 10)},
                         {"my mod/a.csv", roster("A", 1, 2)},
                         {"my mod/b.csv", roster_of_rows("B", {"3", "3"})},
                         {"clean/a.csv", roster("A", 1, 10)}});
  struct told_case {
    std::vector<std::string> typed;
    std::string line;
  };
  const std::vector<told_case> cases{
      {{"mod"}, "6 IDs are used more than once already: vesk_mg --check mod lists them."},
      {{"my mod", "clean"}, "1 ID is used more than once already: vesk_mg --check \"my mod\" clean lists them."},
      {{"clean"}, ""},
  };
  for (const told_case& c : cases) {
    const rosters_read read = read_rosters(roster_folders_of(c.typed));
    EXPECT_EQ(used_more_than_once_line(read, c.typed), c.line) << c.typed.front();
  }
}

TEST(roster_report, names_rosters_as_the_user_reads_them) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"a.csv"}, "a.csv"},
      {{"a.csv", "b.csv"}, "a.csv and b.csv"},
      {{"a.csv", "b.csv", "c.csv"}, "a.csv, b.csv and c.csv"},
      {{"a.csv", "b.csv", "c.csv", "d.csv"}, "a.csv, b.csv, c.csv and 1 more file"},
      {{"a.csv", "b.csv", "c.csv", "d.csv", "e\x1B.csv"}, "a.csv, b.csv, c.csv and 2 more files"},
  };
  for (const auto& [names, named] : cases) EXPECT_EQ(rosters_named(names, 3), named) << names.size();
  EXPECT_EQ(rosters_named({"a.csv", "b.csv", "c.csv", "d\x1B.csv"}, 4), "a.csv, b.csv, c.csv and d\\x1B.csv");
}

}  // namespace
}  // namespace vesk_mg
