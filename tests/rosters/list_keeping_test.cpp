#include "rosters/list_keeping.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/fake_clock.hpp"
#include "tests/support/fields.hpp"
#include "tests/support/temp_folder.hpp"

namespace vesk_mg {
namespace {

using test_support::as_shown;
using test_support::in_utf16;

// A mod given alone, its game two folders up; the roster has just been
// written in the mod's db/ministers.
struct keeping_case {
  const char* name;
  test_support::file_layout before;
  std::string line;  // what the console is told; "|" the separator, "<here>" the test's folder whole
  test_support::file_layout after{};
  // Something that happens as the list is replaced: another run or the user at work.
  std::function<void()> meanwhile{};
  std::string folder = "game/Mods/MyMod";
  friend void PrintTo(const keeping_case& c, std::ostream* os) { *os << c.name; }
};

class list_kept : public ::testing::TestWithParam<keeping_case> {
 protected:
  test_support::temp_folder folder;
  test_support::fake_clock clock;
};

TEST_P(list_kept, names_the_roster_and_loses_no_line) {
  const keeping_case& c = GetParam();
  test_support::lay_out({{"game/db/ministers/", ""}, {"game/Mods/MyMod/db/ministers/ministers_abc.csv", "roster\r\n"}});
  test_support::lay_out(c.before);
  const std::vector<std::string> typed{c.folder};
  const roster_folders found = roster_folders_of(typed);
  clock.on_clock_read = [&] {
    clock.on_clock_read = nullptr;  // once: as the list is first replaced
    if (c.meanwhile) c.meanwhile();
  };
  EXPECT_EQ(keep_the_list(found, "ministers_abc.csv", clock), as_shown(c.line, folder.path()));
  for (const auto& [name, text] : c.after) EXPECT_EQ(test_support::read_file(name), text) << name;
  EXPECT_TRUE(test_support::no_temporary_file_in("game/Mods/MyMod/db"));
}

const std::string mod_list = "game/Mods/MyMod/db/ministers.txt";
const std::string added_to_mod = "Added ministers_abc.csv to the roster list <here>|game|Mods|MyMod|db|ministers.txt.";

INSTANTIATE_TEST_SUITE_P(
    rows, list_kept,
    ::testing::Values(
        keeping_case{"the_mods_list",
                     {{mod_list, "# mine\nministers_ger.csv\n"}},
                     added_to_mod,
                     {{mod_list, "# mine\nministers_ger.csv\nministers_abc.csv\n"}}},
        keeping_case{"its_last_line_without_an_end",
                     {{mod_list, "ministers_ger.csv\r\nministers_ita.csv"}},
                     added_to_mod,
                     {{mod_list, "ministers_ger.csv\r\nministers_ita.csv\r\nministers_abc.csv\r\n"}}},
        keeping_case{"a_byte_order_mark_kept",
                     {{mod_list, "\xEF\xBB\xBFministers_ger.csv\r\n"}},
                     added_to_mod,
                     {{mod_list, "\xEF\xBB\xBFministers_ger.csv\r\nministers_abc.csv\r\n"}}},
        keeping_case{"in_utf16",
                     {{mod_list, in_utf16("ministers_ger.csv\r\n")}},
                     added_to_mod,
                     {{mod_list, in_utf16("ministers_ger.csv\r\nministers_abc.csv\r\n")}}},
        keeping_case{"a_list_that_names_the_roster_stays",
                     {{mod_list, "Ministers_ABC.csv\n"}},
                     "",
                     {{mod_list, "Ministers_ABC.csv\n"}}},
        keeping_case{
            "made_from_the_games",
            {{"game/db/ministers.txt", "ministers_ger.csv\n"}},
            added_to_mod.substr(0, added_to_mod.size() - 1) + ", made from <here>|game|db|ministers.txt.",
            {{mod_list, "ministers_ger.csv\nministers_abc.csv\n"}, {"game/db/ministers.txt", "ministers_ger.csv\n"}}},
        keeping_case{"no_list_governs", {}, ""},
        keeping_case{"a_plain_folder_has_none",
                     {{"game/db/ministers.txt", "ministers_ger.csv\n"}, {"plain/ministers_abc.csv", "roster\r\n"}},
                     "",
                     {{"game/db/ministers.txt", "ministers_ger.csv\n"}},
                     {},
                     "plain"},
        // The user adds to the list as it is replaced: their lines stay.
        keeping_case{
            "changed_by_the_user_meanwhile",
            {{mod_list, "ministers_ger.csv\n"}},
            added_to_mod,
            {{mod_list, "ministers_ger.csv\n# my own notes\nministers_fra.csv\nministers_abc.csv\n"}},
            [] { std::ofstream(mod_list, std::ios::app | std::ios::binary) << "# my own notes\nministers_fra.csv\n"; }},
        // Another run replaces the list with its own meanwhile: its roster stays listed.
        keeping_case{"replaced_by_another_run_meanwhile",
                     {{mod_list, "ministers_ger.csv\n"}},
                     added_to_mod,
                     {{mod_list, "ministers_ger.csv\nministers_xyz.csv\nministers_abc.csv\n"}},
                     [] {
                       test_support::write_file("theirs.txt", "ministers_ger.csv\nministers_xyz.csv\n");
                       std::filesystem::rename("theirs.txt", mod_list);
                     }},
        // The mod's list removed meanwhile: the game's governs again, and the mod gets a copy of it.
        keeping_case{"removed_by_the_user_meanwhile",
                     {{mod_list, "ministers_ita.csv\n"}, {"game/db/ministers.txt", "ministers_ger.csv\n"}},
                     added_to_mod.substr(0, added_to_mod.size() - 1) + ", made from <here>|game|db|ministers.txt.",
                     {{mod_list, "ministers_ger.csv\nministers_abc.csv\n"}},
                     [] { std::filesystem::remove(mod_list); }},
        // A list the mod did not have appears meanwhile: it is the one added to.
        keeping_case{
            "a_list_appears_meanwhile",
            {{"game/db/ministers.txt", "ministers_ger.csv\n"}},
            added_to_mod,
            {{mod_list, "ministers_fra.csv\nministers_abc.csv\n"}, {"game/db/ministers.txt", "ministers_ger.csv\n"}},
            [] { test_support::write_file(mod_list, "ministers_fra.csv\n"); }}),
    [](const ::testing::TestParamInfo<keeping_case>& param) { return std::string(param.param.name); });

// The user adds a line to the list at each of `times` replacements in a
// row: the keeping's line, and the list's lines after, sorted.
std::pair<std::string, std::vector<std::string>> kept_while_changed(int times) {
  test_support::fake_clock clock;
  test_support::lay_out({{"game/db/ministers/", ""}, {mod_list, "ministers_ger.csv\n"}});
  int change = 0;
  clock.on_clock_read = [&] {
    if (change < times) std::ofstream(mod_list, std::ios::app | std::ios::binary) << "#" << ++change << "\n";
  };
  const std::vector<std::string> typed{"game/Mods/MyMod"};
  const std::string line = keep_the_list(roster_folders_of(typed), "ministers_abc.csv", clock);
  std::vector<std::string> lines = test_support::split(test_support::read_file(mod_list), "\n");
  std::ranges::sort(lines);
  return {line, lines};
}

// A list changed at nine replacements in a row loses none of its lines,
// and names the roster at the tenth; one changed at every replacement is
// left to the user as they wrote it.
TEST(list_keeping, a_list_that_keeps_changing_loses_no_line) {
  const test_support::temp_folder folder;
  const auto [added, lines] = kept_while_changed(9);
  EXPECT_EQ(added, "Added ministers_abc.csv to the roster list " +
                       test_support::as_shown("<here>|game|Mods|MyMod|db|ministers.txt.", folder.path()));
  EXPECT_EQ(lines, (std::vector<std::string>{"", "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9",
                                             "ministers_abc.csv", "ministers_ger.csv"}));
  EXPECT_TRUE(test_support::no_temporary_file_in("game/Mods/MyMod/db"));
}

TEST(list_keeping, a_list_that_never_stops_changing_is_left_to_the_user) {
  const test_support::temp_folder folder;
  const auto [refused, lines] = kept_while_changed(10);
  EXPECT_EQ(refused, "The roster list could not be changed (" +
                         test_support::as_shown("<here>|game|Mods|MyMod|db|ministers.txt", folder.path()) +
                         ": it changed again and again as it was written): add ministers_abc.csv to it by hand.");
  EXPECT_EQ(lines, (std::vector<std::string>{"", "#1", "#10", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9",
                                             "ministers_ger.csv"}));
  EXPECT_TRUE(test_support::no_temporary_file_in("game/Mods/MyMod/db"));
}

#ifndef _WIN32  // links as the user makes them
// A list that is a link is changed where it leads, and the line names that file.
TEST(list_keeping, changes_a_linked_list_where_it_leads) {
  const test_support::temp_folder folder;
  test_support::fake_clock clock;
  test_support::lay_out({{"game/db/ministers/", ""},
                         {"game/Mods/MyMod/db/ministers/", ""},
                         {"shared/lists/ministers.txt", "ministers_ger.csv\n"}});
  std::filesystem::create_symlink("../../../../shared/lists/ministers.txt", mod_list);
  const std::vector<std::string> typed{"game/Mods/MyMod"};
  EXPECT_EQ(
      keep_the_list(roster_folders_of(typed), "ministers_abc.csv", clock),
      "Added ministers_abc.csv to the roster list " + (folder.path() / "shared/lists/ministers.txt").string() + ".");
  EXPECT_TRUE(std::filesystem::is_symlink(mod_list));
  EXPECT_EQ(test_support::read_file("shared/lists/ministers.txt"), "ministers_ger.csv\nministers_abc.csv\n");
  EXPECT_TRUE(test_support::no_temporary_file_in("shared/lists"));
}
#endif

}  // namespace
}  // namespace vesk_mg
