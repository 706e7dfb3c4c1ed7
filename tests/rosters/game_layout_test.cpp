// Whole runs in the game's layout: the rosters' folder found from a mod's
// or the game's own folder, the game found above a mod, and the list of
// the rosters one edition loads kept, changed only once the roster stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/answers.hpp"
#include "tests/support/console_script.hpp"
#include "tests/support/string_streams.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::as_shown;

using files = test_support::file_layout;

struct layout_case {
  const char* name;
  files before;
  std::vector<std::string> folders;   // given on the command line
  std::string told;                   // what the console says before the first question
  std::string closing;                // what it ends with
  files after{};                      // what stands there after the run
  std::string start_in{};             // the folder the program is started in, when not the test's
  std::vector<std::string> absent{};  // what does not stand there after the run
  std::function<void()> strike{};     // what happens while the roster is written
  int status = 0;
  friend void PrintTo(const layout_case& c, std::ostream* os) { *os << c.name; }
};

class game_layout : public ::testing::TestWithParam<layout_case> {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;
};

TEST_P(game_layout, finds_the_rosters_and_keeps_the_list) {
  const layout_case& c = GetParam();
  test_support::lay_out(c.before);
  test_support::write_file(std::filesystem::path(c.start_in) / "names.txt", test_support::numbered_names(10));
  if (!c.start_in.empty()) std::filesystem::current_path(c.start_in);
  clock.on_sleep = [&] {
    if (c.strike) c.strike();
    clock.on_sleep = nullptr;  // once; nothing of this function is used after
  };
  const test_support::script_result result = test_support::run_script(test_support::answers{}.text(), clock, c.folders);
  std::filesystem::current_path(folder.path());
  EXPECT_EQ(result.status, c.status) << result.err;
  const std::string told = as_shown(c.told, folder.path());
  EXPECT_EQ(result.out.substr(test_support::banner().size(), told.size()), told);
  EXPECT_TRUE(result.out.ends_with(as_shown(c.closing, folder.path()))) << result.out.substr(result.out.size() - 300);
  for (const auto& [name, text] : c.after) EXPECT_EQ(test_support::read_file(name), text) << name;
  for (const std::string& name : c.absent) EXPECT_FALSE(std::filesystem::exists(name)) << name;
}

std::string roster_line(const std::string& path) { return "Your ministers are in the file called " + path + "\r\n"; }

const std::string game_roster = test_support::roster("GER", 5000, 20);

INSTANTIATE_TEST_SUITE_P(
    rows, game_layout,
    ::testing::Values(
        // The game's list is copied into the mod's, with the new roster added in its line ends.
        layout_case{"a_new_mod_given_alone_with_the_game_two_above",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/db/ministers.txt", "ministers_ger.csv\n"},
                     {"game/Mods/MyMod/db/", ""}},
                    {"game/Mods/MyMod"},
                    "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n\r\n",
                    roster_line("game/Mods/MyMod|db|ministers|ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|game|Mods|MyMod|db|ministers.txt, made "
                        "from <here>|game|db|ministers.txt.\r\n",
                    {{"game/Mods/MyMod/db/ministers.txt", "ministers_ger.csv\nministers_abc.csv\n"},
                     {"game/db/ministers.txt", "ministers_ger.csv\n"}}},
        // The mod's own list, its last line without an end, gets a line of its own.
        layout_case{"a_mods_list_is_added_to",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/db/ministers.txt", "ministers_ger.csv\r\n"},
                     {"game/MyMod/db/ministers/", ""},
                     {"game/MyMod/db/ministers.txt", "# the mod's\r\nministers_ger.csv"}},
                    {"game/MyMod/db/ministers"},
                    "Counting the IDs of 0 rosters in game/MyMod/db/ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n\r\n",
                    roster_line("game/MyMod/db/ministers|ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|game|MyMod|db|ministers.txt.\r\n",
                    {{"game/MyMod/db/ministers.txt", "# the mod's\r\nministers_ger.csv\r\nministers_abc.csv\r\n"},
                     {"game/db/ministers.txt", "ministers_ger.csv\r\n"}}},
        layout_case{"a_list_that_names_the_roster_stays",
                    {{"game/db/ministers/", ""}, {"game/db/ministers.txt", "MINISTERS_ABC.CSV\n"}},
                    {"game"},
                    "Counting the IDs of 0 rosters in game|db|ministers.\r\n\r\n",
                    roster_line("game|db|ministers|ministers_abc.csv"),
                    {{"game/db/ministers.txt", "MINISTERS_ABC.CSV\n"}}},
        layout_case{"a_roster_under_a_fallback_name_is_never_added",
                    {{"game/db/ministers/ministers_abc.csv/", ""}, {"game/db/ministers.txt", "ministers_ger.csv\n"}},
                    {"game"},
                    "Counting the IDs of 0 rosters in game|db|ministers.\r\n\r\n",
                    roster_line("game|db|ministers|1ministers_abc.csv"),
                    {{"game/db/ministers.txt", "ministers_ger.csv\n"}}},
        // The roster is written; the list is not, and the user is told what to add.
        layout_case{"a_list_that_cannot_be_written",
                    {{"game/db/ministers/", ""},
                     {"game/db/ministers.txt", "ministers_ger.csv\n"},
                     {"game/Mods/MyMod/db/ministers/", ""},
                     {"game/Mods/MyMod/db/ministers.txt/", ""}},
                    {"game/Mods/MyMod"},
                    "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n"
                    "Counting the IDs of 0 rosters in <here>|game|db|ministers.\r\n\r\n",
                    "): add ministers_abc.csv to it by hand.\r\n",
                    {{"game/db/ministers.txt", "ministers_ger.csv\n"}}},
        // Two folders given: what counts is said, and nothing is looked for.
        layout_case{"two_folders_given",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/Mods/MyMod/db/ministers/", ""},
                     {"elsewhere/", ""}},
                    {"game/Mods/MyMod", "elsewhere"},
                    "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n"
                    "Counting the IDs of 0 rosters in elsewhere.\r\n\r\n",
                    roster_line("game/Mods/MyMod|db|ministers|ministers_abc.csv")},
        // Started in a rosters' folder with a list beside it, no folder given.
        layout_case{"started_beside_a_list",
                    {{"db/ministers/", ""}, {"db/ministers.txt", "ministers_ger.csv\n"}},
                    {},
                    "What is the tag",
                    roster_line("ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|db|ministers.txt.\r\n",
                    {{"db/ministers.txt", "ministers_ger.csv\nministers_abc.csv\n"}},
                    "db/ministers"},
        // A new mod, its folder still empty: its db/ministers is made, and the game counts.
        layout_case{"a_new_mod_without_db",
                    {{"game/db/ministers/ministers_ger.csv", game_roster}, {"game/Mods/Fresh/", ""}},
                    {"game/Mods/Fresh"},
                    "Counting the IDs of 0 rosters in game/Mods/Fresh|db|ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n\r\n",
                    roster_line("game/Mods/Fresh|db|ministers|ministers_abc.csv")},
        // Lists as the game's tools write them: a byte-order mark, and UTF-16, added to in UTF-16.
        layout_case{"a_list_opened_by_a_byte_order_mark",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/db/ministers.txt", "\xEF\xBB\xBFministers_ger.csv\r\n"}},
                    {"game"},
                    "Counting the IDs of 1 roster in game|db|ministers.\r\n\r\n",
                    roster_line("game|db|ministers|ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|game|db|ministers.txt.\r\n",
                    {{"game/db/ministers.txt", "\xEF\xBB\xBFministers_ger.csv\r\nministers_abc.csv\r\n"}}},
        layout_case{"a_list_in_utf16",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/db/ministers.txt", test_support::in_utf16("m.csv\r\n")},
                     {"game/db/ministers/m.csv", test_support::roster("MMM", 1, 1)}},
                    {"game"},
                    "Counting the IDs of 1 roster in game|db|ministers.\r\n\r\n",
                    roster_line("game|db|ministers|ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|game|db|ministers.txt.\r\n",
                    {{"game/db/ministers.txt", test_support::in_utf16("m.csv\r\nministers_abc.csv\r\n")}}},
        // Rosters that share IDs already are told after the count lines, with the command that lists them.
        layout_case{"ids_used_more_than_once_already",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/Mods/MyMod/db/ministers/ministers_fra.csv", test_support::roster("FRA", 5015, 10)}},
                    {"game/Mods/MyMod"},
                    "Counting the IDs of 1 roster in game/Mods/MyMod|db|ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n"
                    "5 IDs are used more than once already: vesk_mg --check game/Mods/MyMod lists them.\r\n\r\n"
                    "What is the tag",
                    roster_line("game/Mods/MyMod|db|ministers|ministers_abc.csv")},
        layout_case{"a_mod_whose_names_are_in_other_cases",
                    {{"game/db/ministers/ministers_ger.csv", game_roster}, {"game/Mods/CaseMod/DB/Ministers/", ""}},
                    {"game/Mods/CaseMod"},
                    "Counting the IDs of 0 rosters in game/Mods/CaseMod|DB|Ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n\r\n",
                    roster_line("game/Mods/CaseMod|DB|Ministers|ministers_abc.csv")},
        layout_case{"a_stray_db_among_the_mods",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/Mods/db/", ""},
                     {"game/Mods/MyMod/db/ministers/", ""}},
                    {"game/Mods/MyMod"},
                    "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n"
                    "Counting the IDs of 1 roster in <here>|game|db|ministers.\r\n\r\n",
                    roster_line("game/Mods/MyMod|db|ministers|ministers_abc.csv"),
                    {},
                    {},
                    {"game/Mods/db/ministers"}},
        layout_case{"a_later_game_whose_db_holds_no_rosters",
                    {{"game/db/", ""}, {"elsewhere/", ""}},
                    {"elsewhere", "game"},
                    "Counting the IDs of 0 rosters in elsewhere.\r\n\r\n",
                    roster_line("elsewhere|ministers_abc.csv"),
                    {},
                    {},
                    {"game/db/ministers"}},
        layout_case{"a_mod_given_second_looks_for_nothing_above",
                    {{"game/db/ministers/ministers_ger.csv", game_roster},
                     {"game/Mods/MyMod/db/ministers/", ""},
                     {"elsewhere/", ""}},
                    {"elsewhere", "game/Mods/MyMod"},
                    "Counting the IDs of 0 rosters in elsewhere.\r\n"
                    "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n\r\n",
                    roster_line("elsewhere|ministers_abc.csv")},
        layout_case{"a_ministers_folder_outside_a_db_given_alone",
                    {{"game/db/ministers/ministers_ger.csv", game_roster}, {"game/Mods/MyMod/ministers/", ""}},
                    {"game/Mods/MyMod/ministers"},
                    "Counting the IDs of 0 rosters in game/Mods/MyMod/ministers.\r\n\r\n",
                    roster_line("game/Mods/MyMod/ministers|ministers_abc.csv")},
        // A roster named only in a comment is not loaded, and its IDs are free.
        layout_case{"a_commented_name_lists_no_roster",
                    {{"game/db/ministers/ministers_ita.csv", test_support::roster("ITA", 601, 10)},
                     {"game/db/ministers.txt", "#ministers_ita.csv\n"}},
                    {"game"},
                    "Counting the IDs of 0 rosters in game|db|ministers.\r\n\r\n",
                    roster_line("game|db|ministers|ministers_abc.csv") +
                        "Added ministers_abc.csv to the roster list <here>|game|db|ministers.txt.\r\n",
                    {{"game/db/ministers.txt", "#ministers_ita.csv\nministers_abc.csv\n"}}},
        // Where the first folder can have no list, none is changed, and nothing is said of one.
        layout_case{"a_plain_folder_before_a_game_with_a_list",
                    {{"game/db/ministers/", ""}, {"game/db/ministers.txt", "ministers_ger.csv\n"}, {"elsewhere/", ""}},
                    {"elsewhere", "game"},
                    "Counting the IDs of 0 rosters in elsewhere.\r\n"
                    "Counting the IDs of 0 rosters in game|db|ministers.\r\n\r\n",
                    roster_line("elsewhere|ministers_abc.csv"),
                    {{"game/db/ministers.txt", "ministers_ger.csv\n"}}}),
    [](const ::testing::TestParamInfo<layout_case>& param) { return std::string(param.param.name); });

#ifndef _WIN32  // Windows removes no folder that a program holds
// The mod's rosters' folder goes while the roster is written: the run
// fails, and no list is written for a roster that does not stand.
INSTANTIATE_TEST_SUITE_P(
    posix_rows, game_layout,
    ::testing::Values(layout_case{"the_mods_rosters_folder_removed_during_the_run",
                                  {{"game/db/ministers/", ""},
                                   {"game/db/ministers.txt", "ministers_ger.csv\n"},
                                   {"game/Mods/MyMod/db/ministers/", ""}},
                                  {"game/Mods/MyMod"},
                                  "Counting the IDs of 0 rosters in game/Mods/MyMod|db|ministers.\r\n"
                                  "Counting the IDs of 0 rosters in <here>|game|db|ministers.\r\n\r\n",
                                  "..........\r\n",
                                  {{"game/db/ministers.txt", "ministers_ger.csv\n"}},
                                  {},
                                  {"game/Mods/MyMod/db/ministers.txt", "game/Mods/MyMod/db/ministers"},
                                  [] { std::filesystem::remove_all("game/Mods/MyMod/db/ministers"); },
                                  1}),
    [](const ::testing::TestParamInfo<layout_case>& param) { return std::string(param.param.name); });
#endif

// Two runs on one mod, for two tags: one ends while the other waits at its
// questions, and the mod's list names both rosters after.
TEST(game_layouts, two_runs_on_one_mod_both_keep_the_list) {
  const test_support::temp_folder folder;
  test_support::lay_out({{"game/db/ministers/", ""},
                         {"game/db/ministers.txt", "ministers_ger.csv\n"},
                         {"game/Mods/MyMod/db/ministers/", ""},
                         {"names.txt", test_support::numbered_names(10)}});
  const std::vector<std::string> mod{"game/Mods/MyMod"};
  test_support::fake_clock clock;
  test_support::line_source waits_at_its_questions(test_support::answers{}.text(), [&](std::string_view line) {
    if (line != "601\n") return;
    test_support::fake_clock other_clock;
    EXPECT_EQ(test_support::run_script(test_support::answers{.tag = "xyz", .first_id = "701"}.text(), other_clock, mod)
                  .status,
              0);
  });
  EXPECT_EQ(test_support::run_script(waits_at_its_questions, clock, mod).status, 0);
  EXPECT_EQ(test_support::read_file("game/Mods/MyMod/db/ministers.txt"),
            "ministers_ger.csv\nministers_xyz.csv\nministers_abc.csv\n");
}

}  // namespace
}  // namespace vesk_mg
